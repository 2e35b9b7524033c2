#include "Paragraph.h"

namespace word {

QString Paragraph::text() const {
    QString result;
    for (const Run& run : runs)
        result += run.text;
    return result;
}

bool Paragraph::isEmpty() const {
    for (const Run& run : runs)
        if (!run.text.isEmpty())
            return false;
    return true;
}

} // namespace word

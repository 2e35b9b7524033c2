#include "Document.h"

#include <QStringList>

namespace word {

QString DocumentModel::plainText() const {
    QString text;
    for (const BodyElement& element : body) {
        if (const auto* paragraph = std::get_if<Paragraph>(&element)) {
            text += paragraph->text() + QLatin1Char('\r');
            continue;
        }
        for (const Row& row : std::get<Table>(element).rows) {
            for (const Cell& cell : row.cells) {
                QStringList parts;
                for (const Paragraph& p : cell.paragraphs)
                    parts << p.text();
                text += parts.join(QLatin1Char('\r')) + QLatin1Char('\a');
            }
            text += QLatin1Char('\a');
        }
    }
    return text;
}

} // namespace word

#include "TemporaryDocument.h"

#include <QRandomGenerator>

namespace MeetingAgenda {

QString DrawTemporaryName(QRandomGenerator& random) {
    QString name = QStringLiteral("ovelund");
    for (int counter = 1; counter <= 8; ++counter)
        name += QChar(u'0' + random.bounded(1, 10));
    return name;
}

} // namespace MeetingAgenda

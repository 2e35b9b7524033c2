#include "DateText.h"

#include <QRegularExpression>

namespace entry {

QString shortDateWithFullYear(const QLocale& locale, QDate date) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // A run of exactly two y's is the two-digit year; "yyyy" stays.
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    return locale.toString(date, format);
}

} // namespace entry

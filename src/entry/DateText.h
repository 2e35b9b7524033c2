#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace entry {

// A date in the locale's short format, but with all four digits of the
// year where the format has two ("09.12.2026" rather than "09.12.26").
QString shortDateWithFullYear(const QLocale& locale, QDate date);

} // namespace entry

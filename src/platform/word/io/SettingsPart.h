#pragma once

#include "../model/Section.h"

#include <QByteArray>

namespace word::io {

// word/settings.xml: the default tab stop and the compatibility mode that
// decides how other word processors place tables.
// What a file that states no compatibility mode is laid out as: Word 2007.
inline constexpr int unstatedCompatibilityMode = 12;

QByteArray writeSettingsPart(const Settings& settings);
Settings readSettingsPart(const QByteArray& xml);

} // namespace word::io

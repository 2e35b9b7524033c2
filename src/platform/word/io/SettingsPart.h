#pragma once

#include "../model/Section.h"

#include <QByteArray>

namespace word::io {

// word/settings.xml: the default tab stop and the compatibility mode that
// decides how other word processors place tables.
QByteArray writeSettingsPart(const Settings& settings);
Settings readSettingsPart(const QByteArray& xml);

} // namespace word::io

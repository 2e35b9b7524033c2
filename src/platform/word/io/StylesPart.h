#pragma once

#include "../model/Styles.h"

#include <QByteArray>

namespace word::io {

// word/styles.xml: the document defaults, the implied "Normal" paragraph
// style and the table styles.
QByteArray writeStylesPart(const Styles& styles);
Styles readStylesPart(const QByteArray& xml);

} // namespace word::io

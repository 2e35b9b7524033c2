#pragma once

#include <QByteArray>
#include <QString>

namespace word::io {

// The whole file, refused when it is larger than maxSize bytes.
QByteArray readFileLimited(const QString& path, qint64 maxSize);

} // namespace word::io

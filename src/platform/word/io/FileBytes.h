#pragma once

#include <QByteArray>
#include <QString>

namespace word::io {

// Writes the bytes beside the target and renames them over it, so that the
// target is either the old file or the complete new one. Throws
// platform::RuntimeError with the reason when anything fails.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// The whole file, refused when it is larger than maxSize bytes.
QByteArray readFileLimited(const QString& path, qint64 maxSize);

} // namespace word::io

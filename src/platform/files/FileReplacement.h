#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Makes `bytes` the whole content of the file `path`, or fails and leaves
// the file as it was. A new file beside the target takes the bytes, is
// flushed to the disk and renamed over the target; each of these steps is
// checked (a full disk fails the write or the flush, never the old file).
// Where the folder takes no new file, an existing file that may be written
// is written in place, once the space for its new content is reserved.
// Fails with "<path> could not be written: <the failing step's reason>."
void replaceFile(const QString& path, const QByteArray& bytes);

} // namespace platform

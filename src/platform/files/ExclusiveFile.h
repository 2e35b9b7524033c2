#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Creates `path` as a new file readable and writable by the user only and
// writes `content` to it. Never follows a link and never opens a file that
// exists already: then the result is false. Fails with a description on any
// other error.
bool createExclusiveFile(const QString& path, const QByteArray& content = QByteArray());

// Removes `path` when it is a link or a file of this user, so that a new one
// can be created there. Fails when something else stands under the name.
void clearOwnEntry(const QString& path);

} // namespace platform

#pragma once

#include <QString>

namespace platform {

// Makes `path` a folder of this user's alone: created with mode 0700 when
// missing (its parent must exist); an existing one must be a real folder,
// not a link, owned by this user, and loses any access others had. Fails
// with a description otherwise.
void ensurePrivateFolder(const QString& path);

// True when `path` names a folder this user can create files in.
bool isWritableFolder(const QString& path);

} // namespace platform

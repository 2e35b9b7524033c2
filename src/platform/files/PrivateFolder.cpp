#include "PrivateFolder.h"

#include "../errors/RuntimeError.h"

#include <QFile>

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw RuntimeError(QCoreApplication::translate("RuntimeError", "%1: %2").arg(path, reason));
}
QString lastError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}
} // namespace

void ensurePrivateFolder(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), S_IRWXU) != 0 && errno != EEXIST)
        fail(path, lastError());
    // Opened without following a link, then checked and tightened through
    // the descriptor, so that nothing can be swapped in between.
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        fail(path, errno == ELOOP || errno == ENOTDIR
                       ? QCoreApplication::translate("RuntimeError", "not a folder")
                       : lastError());
    struct stat info {};
    const bool ok = ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid() &&
                    ((info.st_mode & 0777) == S_IRWXU || ::fchmod(fd, S_IRWXU) == 0);
    ::close(fd);
    if (!ok)
        fail(path, QCoreApplication::translate("RuntimeError", "belongs to someone else"));
}

bool isWritableFolder(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    return !path.isEmpty() && ::stat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(native.constData(), W_OK | X_OK) == 0;
}

} // namespace platform

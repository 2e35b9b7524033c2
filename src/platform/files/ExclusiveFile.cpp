#include "ExclusiveFile.h"

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
[[noreturn]] void failWithErrno(const QString& path) {
    throw RuntimeError(QCoreApplication::translate("RuntimeError", "%1: %2")
                           .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
}
} // namespace

bool createExclusiveFile(const QString& path, const QByteArray& content) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd < 0) {
        if (errno == EEXIST)
            return false;
        failWithErrno(path);
    }
    qsizetype written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.constData() + written,
                                  static_cast<size_t>(content.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int saved = errno;
            ::close(fd);
            ::unlink(native.constData());
            errno = saved;
            failWithErrno(path);
        }
        written += n;
    }
    if (::close(fd) != 0)
        failWithErrno(path);
    return true;
}

void clearOwnEntry(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0) {
        if (errno == ENOENT)
            return;
        failWithErrno(path);
    }
    const bool link = S_ISLNK(info.st_mode);
    const bool ownFile = S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
    if (!link && !ownFile)
        throw RuntimeError(
            QCoreApplication::translate("RuntimeError", "%1 belongs to someone else").arg(path));
    if (::unlink(native.constData()) != 0 && errno != ENOENT)
        failWithErrno(path);
}

} // namespace platform

#include "FileReplacement.h"

#include "../errors/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

[[noreturn]] void fail(const QString& path, const QString& why) {
    throw RuntimeError(
        QCoreApplication::translate("RuntimeError", "%1 could not be written: %2.").arg(path, why));
}

QString lastError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// An existing file in a folder that takes no new one (the one case where
// writing in place is the only way).
bool onlyWritableInPlace(const QString& path) {
    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    return info.isFile() && info.isWritable() && ::access(folder.constData(), W_OK) != 0;
}

// The new content over the old from the start, the space for it reserved
// first: where the disk has no room the file is not touched.
void writeInPlace(const QString& path, const QByteArray& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        fail(path, lastError());
    const auto closeAndFail = [&](const QString& why) {
        ::close(fd);
        fail(path, why);
    };
    if (!bytes.isEmpty() && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, bytes.size()) != 0 &&
        errno != EOPNOTSUPP)
        closeAndFail(lastError());
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            closeAndFail(lastError());
        done += n;
    }
    if (::ftruncate(fd, bytes.size()) != 0 || ::fsync(fd) != 0)
        closeAndFail(lastError());
    if (::close(fd) != 0)
        fail(path, lastError());
}

} // namespace

void replaceFile(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        fail(path, QCoreApplication::translate("RuntimeError", "no file name was given"));
    if (QFileInfo(path).isDir())
        fail(path, QCoreApplication::translate("RuntimeError", "a folder has that name"));
    // Unbuffered, every write reports its own failure; buffered, Qt would
    // lose a failure of the last flush and rename a short file into place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (onlyWritableInPlace(path))
            return writeInPlace(path, bytes);
        fail(path, file.errorString());
    }
    const qint64 written = file.write(bytes);
    if (written != bytes.size())
        fail(path, written < 0
                       ? file.errorString()
                       : QCoreApplication::translate("RuntimeError", "the disk took only part"));
    if (::fsync(file.handle()) != 0)
        fail(path, QCoreApplication::translate("RuntimeError", "flushing it to the disk failed: %1")
                       .arg(lastError()));
    if (!file.commit())
        fail(path, QCoreApplication::translate(
                       "RuntimeError", "the new file could not take the old one's place: %1")
                       .arg(file.errorString()));
}

} // namespace platform

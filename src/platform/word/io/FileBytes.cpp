#include "FileBytes.h"

#include "platform/errors/RuntimeError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace word::io {

namespace {

[[noreturn]] void failOpen(const QString& path, const QString& why) {
    throw platform::RuntimeError(
        QCoreApplication::translate("RuntimeError", "The document \"%1\" could not be opened: %2.")
            .arg(path, why));
}

} // namespace

QByteArray readFileLimited(const QString& path, qint64 maxSize) {
    QFile file(path);
    if (QFileInfo(path).isDir())
        failOpen(path, QCoreApplication::translate("RuntimeError", "it is a folder"));
    if (!file.open(QIODevice::ReadOnly))
        failOpen(path, file.errorString());
    QByteArray bytes = file.read(maxSize + 1);
    if (bytes.size() > maxSize)
        failOpen(path, QCoreApplication::translate("RuntimeError", "the file is too large"));
    if (file.error() != QFileDevice::NoError)
        failOpen(path, file.errorString());
    return bytes;
}

} // namespace word::io

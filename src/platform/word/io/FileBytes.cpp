#include "FileBytes.h"

#include "platform/errors/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace word::io {

namespace {

[[noreturn]] void failSave(const QString& path, const QString& why) {
    throw platform::RuntimeError(
        QStringLiteral("The document could not be saved as \"%1\": %2.").arg(path, why));
}

[[noreturn]] void failOpen(const QString& path, const QString& why) {
    throw platform::RuntimeError(
        QStringLiteral("The document \"%1\" could not be opened: %2.").arg(path, why));
}

} // namespace

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        failSave(path, QStringLiteral("no file name was given"));
    if (QFileInfo(path).isDir())
        failSave(path, QStringLiteral("a folder has that name"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        failSave(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        failSave(path, why);
    }
    if (!file.commit())
        failSave(path, file.errorString());
}

QByteArray readFileLimited(const QString& path, qint64 maxSize) {
    QFile file(path);
    if (QFileInfo(path).isDir())
        failOpen(path, QStringLiteral("it is a folder"));
    if (!file.open(QIODevice::ReadOnly))
        failOpen(path, file.errorString());
    QByteArray bytes = file.read(maxSize + 1);
    if (bytes.size() > maxSize)
        failOpen(path, QStringLiteral("the file is too large"));
    if (file.error() != QFileDevice::NoError)
        failOpen(path, file.errorString());
    return bytes;
}

} // namespace word::io

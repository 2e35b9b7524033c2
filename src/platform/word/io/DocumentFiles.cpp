#include "DocumentFiles.h"

#include "DocumentPackage.h"
#include "FileBytes.h"
#include "platform/errors/RuntimeError.h"

namespace word {

namespace {

// Larger than any agenda by far, small enough to read into memory.
constexpr qint64 maxFileSize = 64 * 1024 * 1024;

} // namespace

void saveDocumentFile(const DocumentModel& doc, const QString& path) {
    io::PackageStatistics statistics = io::textStatistics(doc);
    const QByteArray bytes = io::packDocument(doc, statistics, QDateTime::currentDateTimeUtc());
    io::writeFileAtomically(path, bytes);
}

DocumentModel openDocumentFile(const QString& path) {
    const QByteArray bytes = io::readFileLimited(path, maxFileSize);
    try {
        return io::unpackDocument(bytes);
    } catch (const platform::RuntimeError& error) {
        throw platform::RuntimeError(
            QStringLiteral("Could not open \"%1\". %2").arg(path, error.description()));
    }
}

} // namespace word

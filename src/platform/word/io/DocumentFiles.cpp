#include "DocumentFiles.h"

#include "../layout/Layout.h"
#include "DocumentPackage.h"
#include "FileBytes.h"
#include "platform/errors/RuntimeError.h"
#include "platform/files/FileReplacement.h"
#include <QCoreApplication>

namespace word {

namespace {

// Larger than any agenda by far, small enough to read into memory.
constexpr qint64 maxFileSize = 64 * 1024 * 1024;

} // namespace

void saveDocumentFile(const DocumentModel& doc, const QString& path, Layout& layout) {
    io::PackageStatistics statistics = io::textStatistics(doc);
    statistics.pages = layout.pageCount();
    for (int page = 0; page < statistics.pages; ++page) {
        const Page& laidOut = layout.page(page);
        statistics.lines += int(laidOut.lines.size() + laidOut.rows.size());
    }
    const QByteArray bytes = io::packDocument(doc, statistics, QDateTime::currentDateTimeUtc());
    platform::replaceFile(path, bytes);
}

void saveDocumentFile(const DocumentModel& doc, const QString& path) {
    FontCache fonts;
    Layout layout(doc, fonts);
    saveDocumentFile(doc, path, layout);
}

DocumentModel openDocumentFile(const QString& path) {
    const QByteArray bytes = io::readFileLimited(path, maxFileSize);
    try {
        return io::unpackDocument(bytes);
    } catch (const platform::RuntimeError& error) {
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "Could not open \"%1\". %2")
                .arg(path, error.description()));
    }
}

} // namespace word

#pragma once

#include "../model/Document.h"
#include "PackageParts.h"
#include "ZipLimits.h"

#include <QByteArray>
#include <QDateTime>

namespace word::io {

// The whole WordprocessingML package of a document, as bytes. The parts go
// into the archive in the order Word writes them, [Content_Types].xml first.
QByteArray packDocument(const DocumentModel& doc, const PackageStatistics& statistics,
                        const QDateTime& savedAt);

// The document a package holds. Throws platform::RuntimeError with a clear
// description for anything that is not a readable WordprocessingML package.
DocumentModel unpackDocument(const QByteArray& bytes, const ZipLimits& limits = {});

// Word, character and paragraph counts of the text; pages and lines are
// left for the layout to fill in.
PackageStatistics textStatistics(const DocumentModel& doc);

// The font names the document uses, defaults first, each once.
QStringList fontsUsed(const DocumentModel& doc);

} // namespace word::io

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace word::io {

// What docProps/app.xml tells readers that do not lay the document out.
struct PackageStatistics {
    int pages = 1;
    int lines = 0;
    int paragraphs = 0;
    int words = 0;
    int characters = 0; // without spaces
    int charactersWithSpaces = 0;
};

// The fixed parts of a WordprocessingML package around the document part.
QByteArray writeContentTypesPart();
QByteArray writePackageRelationshipsPart();
QByteArray writeDocumentRelationshipsPart();
QByteArray writeFontTablePart(const QStringList& fonts);
QByteArray writeCorePropertiesPart(const QDateTime& savedAt);
QByteArray writeAppPropertiesPart(const PackageStatistics& statistics);

// The target of the relationship of the given type, resolved against the
// folder of the part the relationships belong to ("" for the package).
// A null string when there is none.
QString relationshipTarget(const QByteArray& relationships, const QString& partName,
                           const QString& type, const QString& sourceFolder);

} // namespace word::io

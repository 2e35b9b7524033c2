#pragma once

#include "../model/Document.h"

#include <QString>

namespace word {

class Layout;

// WordprocessingML files. Both throw platform::RuntimeError on failure.
// Saving writes beside the target and renames, so a failed save leaves the
// target as it was. The layout, when given, is the document's own and
// supplies the page count the file states; without it the document is laid
// out for the count.
void saveDocumentFile(const DocumentModel& doc, const QString& path);
void saveDocumentFile(const DocumentModel& doc, const QString& path, Layout& layout);
DocumentModel openDocumentFile(const QString& path);

} // namespace word

#pragma once

#include "../model/Document.h"

#include <QString>

namespace word {

// WordprocessingML files. Both throw platform::RuntimeError on failure.
void saveDocumentFile(const DocumentModel& doc, const QString& path);
DocumentModel openDocumentFile(const QString& path);

} // namespace word

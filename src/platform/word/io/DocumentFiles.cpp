#include "DocumentFiles.h"

#include "platform/errors/RuntimeError.h"

namespace word {

void saveDocumentFile(const DocumentModel&, const QString&) {
    throw platform::RuntimeError(QStringLiteral("Saving is not available yet"));
}

DocumentModel openDocumentFile(const QString&) {
    throw platform::RuntimeError(QStringLiteral("Opening is not available yet"));
}

} // namespace word

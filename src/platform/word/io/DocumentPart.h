#pragma once

#include "../model/Document.h"

#include <QByteArray>

namespace word::io {

// word/document.xml: the body and the page set-up. The reader fills the
// body and the section of the given model and leaves its styles and
// settings alone.
QByteArray writeDocumentPart(const DocumentModel& doc);
void readDocumentPart(const QByteArray& xml, DocumentModel& doc);

} // namespace word::io

#include "Range.h"

#include "../paint/PageRenderer.h"
#include "Application.h"
#include "Document.h"

namespace word {

Document& Range::document() const {
    m_doc->checkOpen();
    return *m_doc;
}

void Range::CopyAsPicture() const {
    Document& doc = document();
    Layout& layout = doc.layout();
    doc.application().clipboard().setPicture(recordPage(layout, layout.pageOf(m_start)));
}

} // namespace word

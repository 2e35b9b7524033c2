#include "ParagraphFormat.h"

#include "Constants.h"
#include "Errors.h"
#include "Selection.h"

namespace word {

int ParagraphFormat::Alignment() const {
    return static_cast<int>(m_selection.alignment());
}

void ParagraphFormat::setAlignment(int alignment) {
    if (alignment < wd::AlignParagraphLeft || alignment > wd::AlignParagraphJustify)
        failOutOfRange();
    m_selection.setAlignment(static_cast<word::Alignment>(alignment));
}

} // namespace word

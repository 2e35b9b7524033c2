#pragma once

#include "Paragraph.h"
#include "Section.h"
#include "Styles.h"
#include "Table.h"

#include <variant>
#include <vector>

namespace word {

// A child of w:body.
using BodyElement = std::variant<Paragraph, Table>;

// A WordprocessingML document as a plain value: w:body (paragraphs and
// tables, always ending with a paragraph), its final w:sectPr, the styles
// part and the settings part.
struct DocumentModel {
    Styles styles = defaultStyles();
    Settings settings;
    Section section;
    std::vector<BodyElement> body{Paragraph{}};

    // The text of the body, paragraphs joined by '\r', cells by '\a' after
    // their last paragraph (as Word's Range.Text reads).
    QString plainText() const;
    // What editing relies on, for a document from anywhere: the body ends
    // with a paragraph and every cell holds at least one.
    void makeEditable();
    bool operator==(const DocumentModel&) const = default;
};

} // namespace word

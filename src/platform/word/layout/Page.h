#pragma once

#include "../editing/Position.h"
#include "TableLayout.h"

#include <optional>

namespace word {

// A paragraph line on a page. x is from the page's left edge, y from the
// top of the text area, both in twips.
struct PageLine {
    std::shared_ptr<const ParagraphBox> paragraph;
    int line = 0;
    int x = 0;
    int y = 0;
};

// A table row on a page with the rules drawn around it.
struct PageRow {
    std::shared_ptr<const RowBox> row;
    int x = 0; // the table's left edge
    int y = 0; // the row's top, its upper rule included
    int height = 0;
    Border above;
    // The table's bottom rule on its last row; the inside rule on the last
    // row of a page when the table goes on on the next one.
    std::optional<Border> below;
    Border left, right, insideV;
};

struct Page {
    std::vector<PageLine> lines;
    std::vector<PageRow> rows;
    Position start; // the first position on the page
    int right = 0;  // the rightmost ink, from the page's left edge
    int bottom = 0; // the bottom of the last line, from the text area's top
    QString text;   // line by line
};

} // namespace word

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

// Lines [first, end) of a cell (of CellBox::lines).
struct LineRange {
    int first = 0;
    int end = 0;
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
    // Of a row split over pages, each cell's lines on this page, the first
    // of them at the cell's top margin; empty when the whole row is here.
    std::vector<LineRange> part;

    LineRange linesOf(std::size_t cell) const {
        return part.empty() ? LineRange{0, static_cast<int>(row->cells[cell].lines.size())}
                            : part[cell];
    }
    // How far the cell's lines are drawn above where the whole row has them.
    int shiftOf(std::size_t cell) const {
        const LineRange range = linesOf(cell);
        const auto& lines = row->cells[cell].lines;
        return range.first == 0 || range.first >= static_cast<int>(lines.size())
                   ? 0
                   : lines[static_cast<std::size_t>(range.first)].top - row->marginTop;
    }
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

#pragma once

#include <compare>

namespace word {

// A place in the body: a character offset in a paragraph of the body
// (row < 0) or in a paragraph of a table cell.
struct Position {
    int block = 0;     // index into the body
    int row = -1;      // table row, or -1 for a body paragraph
    int cell = -1;     // cell in the row
    int paragraph = 0; // paragraph in the cell
    int offset = 0;    // characters before the position in that paragraph

    bool inTable() const { return row >= 0; }
    bool atRowStart() const { return inTable() && cell == 0 && paragraph == 0 && offset == 0; }
    auto operator<=>(const Position&) const = default;

    static Position body(int block, int offset = 0) { return {block, -1, -1, 0, offset}; }
    static Position inCell(int block, int row, int cell, int paragraph = 0, int offset = 0) {
        return {block, row, cell, paragraph, offset};
    }
};

} // namespace word

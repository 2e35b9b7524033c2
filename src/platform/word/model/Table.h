#pragma once

#include "Paragraph.h"

#include <optional>
#include <vector>

namespace word {

// w:val of a border. Word's line style constants: none 0, single 1, double 7.
enum class BorderStyle { None, Single, Double };

// One border element (w:top, w:insideH, w:tl2br, ...).
struct Border {
    BorderStyle style = BorderStyle::None;
    int widthEighths = 4; // w:sz, eighths of a point
    Color color;          // w:color
    int space = 0;        // w:space, points
    bool shadow = false;  // w:shadow
    bool operator==(const Border&) const = default;
};

// w:tblBorders (direct or in a table style). Unset sides come from the style.
struct TableBorders {
    std::optional<Border> top, left, bottom, right, insideH, insideV;
    bool operator==(const TableBorders&) const = default;
};

// w:tblCellMar, twips.
struct CellMargins {
    int top = 0;
    int left = 108;
    int bottom = 0;
    int right = 108;
    bool operator==(const CellMargins&) const = default;
};

// w:tblLook. Each flag switches on the style's conditional formatting for
// that part of the table.
struct TableLook {
    bool firstRow = true;    // 0x0020
    bool lastRow = false;    // 0x0040
    bool firstColumn = true; // 0x0080
    bool lastColumn = false; // 0x0100
    bool noHBand = false;    // 0x0200
    bool noVBand = true;     // 0x0400
    int value() const;       // the w:val bit mask
    bool operator==(const TableLook&) const = default;
};

// w:tc. Diagonal borders exist only per cell (w:tcBorders).
struct Cell {
    int widthTwips = 0;                 // w:tcW type="dxa"
    std::optional<Border> diagonalDown; // w:tl2br
    std::optional<Border> diagonalUp;   // w:tr2bl
    std::vector<Paragraph> paragraphs{Paragraph{}};
    bool operator==(const Cell&) const = default;
};

// w:tr.
struct Row {
    bool cantSplit = true; // w:trPr/w:cantSplit: the row never breaks across pages
    std::vector<Cell> cells;
    bool operator==(const Row&) const = default;
};

// w:tbl.
struct Table {
    QString styleId = QStringLiteral("TableGrid"); // w:tblStyle
    int widthTwips = 0;                            // w:tblW (0 = auto)
    bool fixedLayout = true;                       // w:tblLayout type="fixed"
    TableLook look;                                // w:tblLook
    TableBorders borders;                          // w:tblBorders
    std::vector<int> gridColumns;                  // w:tblGrid/w:gridCol, twips
    std::vector<Row> rows;

    int columnCount() const { return static_cast<int>(gridColumns.size()); }
    bool operator==(const Table&) const = default;
};

} // namespace word

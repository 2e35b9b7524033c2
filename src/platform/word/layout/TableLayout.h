#pragma once

#include "../model/Table.h"
#include "ParagraphLayout.h"
#include "Resolve.h"

namespace word {

// A paragraph placed in a cell, `y` below the cell's content top.
struct PlacedParagraph {
    std::shared_ptr<const ParagraphBox> box;
    int y = 0;
};

// A line of a cell's paragraphs, its top below the cell's top (the cell's
// top margin and the paragraph's spacing before included).
struct CellLine {
    const ParagraphBox* paragraph = nullptr;
    int line = 0;
    int top = 0;

    const LineBox& box() const { return paragraph->lines[static_cast<std::size_t>(line)]; }
};

// One cell of a laid-out row, x from the table's left edge.
struct CellBox {
    int left = 0;     // grid line on the cell's left
    int width = 0;    // grid column width
    int textLeft = 0; // where the text starts
    std::optional<Border> diagonalDown, diagonalUp;
    std::vector<PlacedParagraph> paragraphs;
    std::vector<CellLine> lines; // of all its paragraphs, in order
    int height = 0;
};

// A row without its borders: its content height is its tallest cell.
struct RowBox {
    std::vector<CellBox> cells;
    int contentHeight = 0;
    int marginTop = 0, marginBottom = 0; // of its cells
    bool cantSplit = true;
    int tallestParagraph = 0; // the height of its tallest paragraph's lines
    QString text;             // cells' paragraphs, one per line
};

// The width a cell's text is laid out in from a grid column's width in
// twips, as LibreOffice reads the file: the twips become hundredths of a
// millimetre, rounded up, and those whole twips again, rounded; a column
// whose width in hundredths lies just past a whole number gains a twip.
int columnWidthAsLaidOut(int twips);

std::shared_ptr<const RowBox> layoutRow(const Table& table, int row, const TableFormat& format,
                                        const Styles& styles, int tabStop, FontCache& fonts);

} // namespace word

#include "Table.h"

#include "../layout/Resolve.h"
#include "Constants.h"
#include "Document.h"
#include "Errors.h"

#include <algorithm>
#include <cmath>

namespace word {

namespace {

BorderStyle styleOf(int lineStyle) {
    switch (lineStyle) {
    case wd::LineStyleNone:
        return BorderStyle::None;
    case wd::LineStyleSingle:
        return BorderStyle::Single;
    case wd::LineStyleDouble:
        return BorderStyle::Double;
    default:
        failOutOfRange();
    }
}

int lineStyleOf(BorderStyle style) {
    switch (style) {
    case BorderStyle::Single:
        return wd::LineStyleSingle;
    case BorderStyle::Double:
        return wd::LineStyleDouble;
    default:
        return wd::LineStyleNone;
    }
}

// The table-level border of an index from top to inside vertical.
std::optional<word::Border> TableBorders::*sideOf(int index) {
    switch (index) {
    case wd::BorderTop:
        return &TableBorders::top;
    case wd::BorderLeft:
        return &TableBorders::left;
    case wd::BorderBottom:
        return &TableBorders::bottom;
    case wd::BorderRight:
        return &TableBorders::right;
    case wd::BorderHorizontal:
        return &TableBorders::insideH;
    case wd::BorderVertical:
        return &TableBorders::insideV;
    default:
        return nullptr;
    }
}

std::optional<word::Border> Cell::*diagonalOf(int index) {
    return index == wd::BorderDiagonalDown ? &Cell::diagonalDown
           : index == wd::BorderDiagonalUp ? &Cell::diagonalUp
                                           : nullptr;
}

} // namespace

// --- TableObject --------------------------------------------------------------

const word::Table& TableObject::model() const {
    return mutableModel();
}

word::Table& TableObject::mutableModel() const {
    m_doc->checkOpen();
    return m_doc->editor().tableAt(m_block);
}

void TableObject::changed() {
    m_doc->editor().tableChanged(m_block);
}

QString TableObject::Style() const {
    const TableStyle* style = m_doc->model().styles.tableStyle(model().styleId);
    return style ? style->name : model().styleId;
}

void TableObject::setStyle(const QString& name) {
    const Styles& styles = m_doc->model().styles;
    const TableStyle* style = styles.tableStyleByName(name);
    if (!style)
        style = styles.tableStyle(name);
    if (!style)
        failNoMember();
    const QString id = style->styleId;
    change([&](word::Table& t) { t.styleId = id; });
}

void TableObject::setApplyStyleHeadingRows(bool on) {
    change([&](word::Table& t) { t.look.firstRow = on; });
}

void TableObject::setApplyStyleLastRow(bool on) {
    change([&](word::Table& t) { t.look.lastRow = on; });
}

void TableObject::setApplyStyleFirstColumn(bool on) {
    change([&](word::Table& t) { t.look.firstColumn = on; });
}

void TableObject::setApplyStyleLastColumn(bool on) {
    change([&](word::Table& t) { t.look.lastColumn = on; });
}

// --- Column -------------------------------------------------------------------

double Column::Width() const {
    const auto& grid = m_table.model().gridColumns;
    if (m_index < 1 || m_index > static_cast<int>(grid.size()))
        failNoMember();
    return grid[static_cast<std::size_t>(m_index - 1)] / 20.0;
}

void Column::setWidth(double points) {
    const int twips = static_cast<int>(std::lround(points * 20));
    if (twips < 1 || twips > 31680)
        failOutOfRange();
    const auto column = static_cast<std::size_t>(m_index - 1);
    if (m_index < 1 || column >= m_table.model().gridColumns.size())
        failNoMember();
    m_table.change([&](word::Table& t) {
        t.gridColumns[column] = twips;
        for (Row& row : t.rows)
            if (column < row.cells.size())
                row.cells[column].widthTwips = twips;
    });
}

// --- Border / Borders -----------------------------------------------------------

word::Border BorderObject::read() const {
    const word::Table& table = m_table.model();
    if (auto side = sideOf(m_index)) {
        if (const auto& direct = table.borders.*side)
            return *direct;
        const TableFormat format = resolveTable(table, m_table.document().model().styles);
        const word::Border TableFormat::*resolved[] = {
            &TableFormat::top,   &TableFormat::left,    &TableFormat::bottom,
            &TableFormat::right, &TableFormat::insideH, &TableFormat::insideV};
        return format.*resolved[-m_index - 1];
    }
    if (auto diagonal = diagonalOf(m_index)) {
        if (!table.rows.empty() && !table.rows.front().cells.empty())
            return (table.rows.front().cells.front().*diagonal).value_or(word::Border{});
        return {};
    }
    failNoMember();
}

void BorderObject::write(const word::Border& border) {
    if (auto side = sideOf(m_index)) {
        m_table.change([&](word::Table& t) { t.borders.*side = border; });
        return;
    }
    auto diagonal = diagonalOf(m_index);
    if (!diagonal)
        failNoMember();
    m_table.change([&](word::Table& t) {
        for (Row& row : t.rows)
            for (Cell& cell : row.cells)
                cell.*diagonal = border;
    });
}

int BorderObject::LineStyle() const {
    return lineStyleOf(read().style);
}

void BorderObject::setLineStyle(int style) {
    word::Border border = read();
    border.style = styleOf(style);
    write(border);
}

int BorderObject::LineWidth() const {
    return read().widthEighths;
}

void BorderObject::setLineWidth(int width) {
    static const int kWidths[] = {wd::LineWidth025pt, wd::LineWidth050pt, wd::LineWidth075pt,
                                  wd::LineWidth100pt, wd::LineWidth150pt, wd::LineWidth225pt,
                                  wd::LineWidth300pt, wd::LineWidth450pt, wd::LineWidth600pt};
    if (std::find(std::begin(kWidths), std::end(kWidths), width) == std::end(kWidths))
        failOutOfRange();
    word::Border border = read();
    border.widthEighths = width;
    write(border);
}

int BorderObject::Color() const {
    const word::Color color = read().color;
    if (color.automatic)
        return wd::ColorAutomatic;
    return qRed(color.rgb) | (qGreen(color.rgb) << 8) | (qBlue(color.rgb) << 16);
}

void BorderObject::setColor(int color) {
    if (color != wd::ColorAutomatic && (color < 0 || color > 0xFFFFFF))
        failOutOfRange();
    word::Border border = read();
    border.color =
        color == wd::ColorAutomatic
            ? word::Color::autoColor()
            : word::Color::fromRgb(qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    write(border);
}

bool Borders::Shadow() const {
    const auto& b = m_table.model().borders;
    for (const auto* side : {&b.top, &b.left, &b.bottom, &b.right})
        if (*side && (*side)->shadow)
            return true;
    return false;
}

// A shadow is the w:shadow flag of the outer borders.
void Borders::setShadow(bool shadow) {
    if (shadow == Shadow())
        return;
    const TableFormat format = resolveTable(m_table.model(), m_table.document().model().styles);
    m_table.change([&](word::Table& t) {
        const auto apply = [&](std::optional<word::Border>& side, const word::Border& effective) {
            word::Border b = side.value_or(effective);
            b.shadow = shadow;
            side = b;
        };
        apply(t.borders.top, format.top);
        apply(t.borders.left, format.left);
        apply(t.borders.bottom, format.bottom);
        apply(t.borders.right, format.right);
    });
}

} // namespace word

#include "RuleRecorder.h"

#include "../layout/Resolve.h"

namespace word {

namespace {

QColor colorOf(const Border& border) {
    return border.color.automatic ? QColor(Qt::black) : QColor::fromRgb(border.color.rgb);
}

// A border's line thickness in whole twips.
int thickness(const Border& border) {
    return border.widthEighths * 20 / 8;
}

} // namespace

// A rule across `from`..`to` at `position` (the top of a horizontal rule's
// band, the centre of a vertical one): one line, or two with the gap
// between them.
void RuleRecorder::rule(Qt::Orientation orientation, const Border& border, int position, int from,
                        int to) const {
    if (border.style == BorderStyle::None)
        return;
    const int across = orientation == Qt::Horizontal ? m_origin.y() : m_origin.x();
    const int along = orientation == Qt::Horizontal ? m_origin.x() : m_origin.y();
    m_list.items.emplace_back(platform::RuleItem{
        orientation, double(position + across), double(from + along), double(to + along),
        double(thickness(border)), border.style == BorderStyle::Double, double(borderTwips(border)),
        colorOf(border)});
}

void RuleRecorder::diagonals(const PageRow& row, const CellBox& cell, int top, int bottom) const {
    const auto line = [&](const std::optional<Border>& border, bool down) {
        if (!border || border->style == BorderStyle::None)
            return;
        const double l = row.x + cell.left + m_origin.x();
        const double r = row.x + cell.left + cell.width + m_origin.x();
        const double t = top + m_origin.y();
        const double b = bottom + m_origin.y();
        m_list.items.emplace_back(platform::LineItem{QLineF(l, down ? t : b, r, down ? b : t),
                                                     double(thickness(*border)), colorOf(*border)});
    };
    line(cell.diagonalDown, true);
    line(cell.diagonalUp, false);
}

void RuleRecorder::recordRow(const PageRow& row) const {
    if (row.row->cells.empty())
        return;
    const int left = row.x;
    const int right = row.x + row.row->cells.back().left + row.row->cells.back().width;
    const int bottom = row.y + row.height;
    rule(Qt::Horizontal, row.above, row.y, left, right);
    if (row.below)
        rule(Qt::Horizontal, *row.below, bottom - borderTwips(*row.below), left, right);
    const int contentTop = row.y + borderTwips(row.above);
    const int contentBottom = row.below ? bottom - borderTwips(*row.below) : bottom;
    rule(Qt::Vertical, row.left, left + row.row->cells.front().left, contentTop, contentBottom);
    rule(Qt::Vertical, row.right, right, contentTop, contentBottom);
    for (std::size_t c = 1; c < row.row->cells.size(); ++c)
        rule(Qt::Vertical, row.insideV, row.x + row.row->cells[c].left, contentTop, contentBottom);
    for (const CellBox& cell : row.row->cells)
        diagonals(row, cell, contentTop, contentBottom);
}

} // namespace word

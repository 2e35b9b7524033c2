#include "RulePainter.h"

#include "../layout/Resolve.h"

#include <cmath>

namespace word {

namespace {

QColor colorOf(const Border& border) {
    return border.color.automatic ? QColor(Qt::black) : QColor::fromRgb(border.color.rgb);
}

} // namespace

int RulePainter::px(int twips) const {
    return static_cast<int>(std::lround(twips * static_cast<double>(m_dpi) / 1440.0));
}

int RulePainter::thickness(const Border& border) const {
    return std::max(1, px(border.widthEighths * 20 / 8));
}

// A rule whose band starts at `top` (twips): a single line, or two lines
// with the gap between them.
void RulePainter::horizontal(const Border& border, int left, int right, int top) const {
    if (border.style == BorderStyle::None)
        return;
    const int x0 = px(left + m_origin.x());
    const int x1 = px(right + m_origin.x());
    const int y0 = px(top + m_origin.y());
    const int t = thickness(border);
    m_painter.fillRect(QRect(x0, y0, std::max(1, x1 - x0), t), colorOf(border));
    if (border.style == BorderStyle::Double) {
        const int y1 = std::max(y0 + 2 * t, px(top + borderTwips(border) + m_origin.y()) - t);
        m_painter.fillRect(QRect(x0, y1, std::max(1, x1 - x0), t), colorOf(border));
    }
}

void RulePainter::vertical(const Border& border, int x, int top, int bottom) const {
    if (border.style == BorderStyle::None)
        return;
    const int t = thickness(border);
    const int x0 = px(x + m_origin.x()) - t / 2;
    const int y0 = px(top + m_origin.y());
    const int y1 = px(bottom + m_origin.y());
    m_painter.fillRect(QRect(x0, y0, t, std::max(1, y1 - y0)), colorOf(border));
    if (border.style == BorderStyle::Double)
        m_painter.fillRect(QRect(x0 + 2 * t, y0, t, std::max(1, y1 - y0)), colorOf(border));
}

void RulePainter::diagonals(const PageRow& row, const CellBox& cell, int top, int bottom) const {
    const auto line = [&](const std::optional<Border>& border, bool down) {
        if (!border || border->style == BorderStyle::None)
            return;
        const double s = m_dpi / 1440.0;
        const double l = (row.x + cell.left + m_origin.x()) * s;
        const double r = (row.x + cell.left + cell.width + m_origin.x()) * s;
        const double t = (top + m_origin.y()) * s;
        const double b = (bottom + m_origin.y()) * s;
        m_painter.setPen(QPen(colorOf(*border), thickness(*border)));
        m_painter.drawLine(QPointF(l, down ? t : b), QPointF(r, down ? b : t));
    };
    line(cell.diagonalDown, true);
    line(cell.diagonalUp, false);
}

void RulePainter::drawRow(const PageRow& row) const {
    if (row.row->cells.empty())
        return;
    const int left = row.x;
    const int right = row.x + row.row->cells.back().left + row.row->cells.back().width;
    const int bottom = row.y + row.height;
    horizontal(row.above, left, right, row.y);
    if (row.below)
        horizontal(*row.below, left, right, bottom - borderTwips(*row.below));
    const int contentTop = row.y + borderTwips(row.above);
    const int contentBottom = row.below ? bottom - borderTwips(*row.below) : bottom;
    vertical(row.left, left + row.row->cells.front().left, contentTop, contentBottom);
    vertical(row.right, right, contentTop, contentBottom);
    for (std::size_t c = 1; c < row.row->cells.size(); ++c)
        vertical(row.insideV, row.x + row.row->cells[c].left, contentTop, contentBottom);
    for (const CellBox& cell : row.row->cells)
        diagonals(row, cell, contentTop, contentBottom);
}

} // namespace word

#pragma once

#include "../layout/Page.h"

#include <QPainter>

namespace word {

// Table rules snapped to device pixels: every line at least one pixel
// thick, and the two lines of a double rule at least one pixel apart, so
// that thin rules stay visible at any resolution.
class RulePainter {
public:
    RulePainter(QPainter& painter, int dpi, QPoint originTwips)
        : m_painter(painter), m_dpi(dpi), m_origin(originTwips) {}

    void drawRow(const PageRow& row) const;

private:
    int px(int twips) const;
    int thickness(const Border& border) const;
    void horizontal(const Border& border, int left, int right, int top) const;
    void vertical(const Border& border, int x, int top, int bottom) const;
    void diagonals(const PageRow& row, const CellBox& cell, int top, int bottom) const;

    QPainter& m_painter;
    int m_dpi;
    QPoint m_origin;
};

} // namespace word

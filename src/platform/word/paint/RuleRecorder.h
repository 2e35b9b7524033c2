#pragma once

#include "../layout/Page.h"

#include "platform/picture/DisplayList.h"

namespace word {

// The rules of a table row as display-list items: the borders above and
// below, the left, right and inner vertical rules, and cell diagonals.
class RuleRecorder {
public:
    RuleRecorder(platform::DisplayList& list, QPoint originTwips)
        : m_list(list), m_origin(originTwips) {}

    void recordRow(const PageRow& row) const;

private:
    void rule(Qt::Orientation orientation, const Border& border, int position, int from,
              int to) const;
    void diagonals(const PageRow& row, const CellBox& cell, int top, int bottom) const;

    platform::DisplayList& m_list;
    QPoint m_origin;
};

} // namespace word

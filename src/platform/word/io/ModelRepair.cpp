#include "ModelRepair.h"

#include <algorithm>

namespace word::io {

bool repairTable(Table& table) {
    std::erase_if(table.rows, [](const Row& row) { return row.cells.empty(); });
    if (table.rows.empty())
        return false;
    std::size_t columns = table.gridColumns.size();
    for (const Row& row : table.rows)
        columns = std::max(columns, row.cells.size());
    table.gridColumns.resize(columns, 0);
    // A column without a width takes the widest of its cells.
    for (std::size_t c = 0; c < columns; ++c) {
        if (table.gridColumns[c] > 0)
            continue;
        for (const Row& row : table.rows) {
            if (c < row.cells.size())
                table.gridColumns[c] = std::max(table.gridColumns[c], row.cells[c].widthTwips);
        }
    }
    for (Row& row : table.rows) {
        while (row.cells.size() < columns) {
            Cell filler;
            filler.widthTwips = table.gridColumns[row.cells.size()];
            row.cells.push_back(filler);
        }
    }
    return true;
}

} // namespace word::io

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
    for (std::size_t c = table.gridColumns.size(); c < columns; ++c) {
        int width = 0;
        for (const Row& row : table.rows) {
            if (c < row.cells.size() && width == 0)
                width = row.cells[c].widthTwips;
        }
        table.gridColumns.push_back(width);
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

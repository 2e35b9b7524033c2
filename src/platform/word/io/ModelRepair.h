#pragma once

#include "../model/Table.h"

namespace word::io {

// The least room, in twips, that page margins must leave for text.
inline constexpr int minTextExtent = 144;

// Makes a table read from a file regular: every row has one cell per grid
// column, rows without cells are gone. False when nothing of it is left.
bool repairTable(Table& table);

} // namespace word::io

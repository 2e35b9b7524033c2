#include "Table.h"

namespace word {

int TableLook::value() const {
    return (firstRow ? 0x20 : 0) | (lastRow ? 0x40 : 0) | (firstColumn ? 0x80 : 0) |
           (lastColumn ? 0x100 : 0) | (noHBand ? 0x200 : 0) | (noVBand ? 0x400 : 0);
}

} // namespace word

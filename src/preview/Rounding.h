#pragma once

#include <cstdint>

// Number conversions of the page view. Rounding is to the nearest integer
// with ties to even (2.5 -> 2, 3.5 -> 4), as nearbyint does in the default
// rounding mode, which the program never changes; a value outside the
// target type fails with "Overflow".
namespace preview {

int32_t roundToInt32(double value);
int16_t roundToInt16(double value);
// Rounds down (250.25 -> 250, -0.5 -> -1).
int32_t floorToInt32(double value);

} // namespace preview

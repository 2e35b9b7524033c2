#include "Rounding.h"

#include "../platform/errors/RuntimeError.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace preview {

namespace {

template <typename T> T checked(double whole) {
    if (!std::isfinite(whole) || whole < std::numeric_limits<T>::min() ||
        whole > std::numeric_limits<T>::max())
        throw platform::RuntimeError(QStringLiteral("Overflow"));
    return static_cast<T>(whole);
}

double nearestEven(double value) {
    // nearbyint follows the current rounding mode; make sure it is the
    // default one, whatever a library may have set.
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double whole = std::nearbyint(value);
    std::fesetround(mode);
    return whole;
}

} // namespace

int32_t roundToInt32(double value) {
    return checked<int32_t>(nearestEven(value));
}

int16_t roundToInt16(double value) {
    return checked<int16_t>(nearestEven(value));
}

int32_t floorToInt32(double value) {
    return checked<int32_t>(std::floor(value));
}

} // namespace preview

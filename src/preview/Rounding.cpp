#include "Rounding.h"

#include "../platform/errors/RuntimeError.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>

namespace preview {

namespace {

template <typename T> T checked(double whole) {
    if (!std::isfinite(whole) || whole < std::numeric_limits<T>::min() ||
        whole > std::numeric_limits<T>::max())
        throw platform::RuntimeError(QCoreApplication::translate("RuntimeError", "Overflow"));
    return static_cast<T>(whole);
}

} // namespace

int32_t roundToInt32(double value) {
    return checked<int32_t>(std::nearbyint(value));
}

int16_t roundToInt16(double value) {
    return checked<int16_t>(std::nearbyint(value));
}

int32_t floorToInt32(double value) {
    return checked<int32_t>(std::floor(value));
}

} // namespace preview

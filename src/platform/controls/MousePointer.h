#pragma once

namespace platform {

// Mouse pointer codes of a window.
enum MousePointer : int {
    PointerDefault = 0,
    PointerBusy = 11,
    PointerCustom = 99,
};

} // namespace platform

#pragma once

#include "platform/picture/Picture.h"

namespace platform {

// Where the engine's copy as a picture puts the picture and the page export
// takes it from. Both live in this process, so the program keeps a
// clipboard of its own (PrivateClipboard): the user's clipboard is never
// read or written. Tests replace it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setPicture(const Picture& picture) = 0;
    // The clipboard's picture; a null picture when it holds none. Throws
    // when the clipboard cannot be read (a failed fetch).
    virtual Picture picture() = 0;
};

} // namespace platform

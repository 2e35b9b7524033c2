#pragma once

#include "Clipboard.h"

namespace platform {

// The program's own clipboard: the last picture set, in memory.
class PrivateClipboard final : public Clipboard {
public:
    void setPicture(const Picture& picture) override { m_picture = picture; }
    Picture picture() override { return m_picture; }

private:
    Picture m_picture;
};

} // namespace platform

#pragma once

#include <QImage>

namespace platform {

// The system clipboard, as far as pictures go. Tests replace it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setPicture(const QImage& picture) = 0;
    // A null image when the clipboard holds no picture (a failed fetch).
    virtual QImage picture() = 0;
};

} // namespace platform

#pragma once

#include "Clipboard.h"

namespace platform {

class SystemClipboard final : public Clipboard {
public:
    void setPicture(const QImage& picture) override;
    QImage picture() override;
};

} // namespace platform

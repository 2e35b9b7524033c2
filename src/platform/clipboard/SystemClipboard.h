#pragma once

#include "Clipboard.h"

namespace platform {

class SystemClipboard final : public Clipboard {
public:
    void setPicture(const Picture& picture) override;
    Picture picture() override;
    std::unique_ptr<QMimeData> snapshot() override;
    void restore(std::unique_ptr<QMimeData> content) override;
};

} // namespace platform

#include "Clipboard.h"

namespace platform {

std::unique_ptr<QMimeData> Clipboard::snapshot() {
    auto content = std::make_unique<QMimeData>();
    const QImage current = picture();
    if (!current.isNull())
        content->setImageData(current);
    return content;
}

void Clipboard::restore(std::unique_ptr<QMimeData> content) {
    setPicture(content && content->hasImage() ? qvariant_cast<QImage>(content->imageData())
                                              : QImage());
}

ClipboardKeeper::ClipboardKeeper(Clipboard& clipboard)
    : m_clipboard(clipboard), m_content(clipboard.snapshot()) {}

ClipboardKeeper::~ClipboardKeeper() {
    try {
        m_clipboard.restore(std::move(m_content));
    } catch (...) {
        // Giving the clipboard back is a courtesy; it never fails the caller.
    }
}

} // namespace platform

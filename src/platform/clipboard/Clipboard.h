#pragma once

#include <QImage>
#include <QMimeData>

#include <memory>

namespace platform {

// The system clipboard, as far as pictures go. Tests replace it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setPicture(const QImage& picture) = 0;
    // A null image when the clipboard holds no picture (a failed fetch).
    virtual QImage picture() = 0;

    // Everything the clipboard holds now, to be given back with restore().
    virtual std::unique_ptr<QMimeData> snapshot();
    virtual void restore(std::unique_ptr<QMimeData> content);
};

// Takes a snapshot of the clipboard and gives it back when it goes out of scope.
class ClipboardKeeper {
public:
    explicit ClipboardKeeper(Clipboard& clipboard);
    ~ClipboardKeeper();
    ClipboardKeeper(const ClipboardKeeper&) = delete;
    ClipboardKeeper& operator=(const ClipboardKeeper&) = delete;

private:
    Clipboard& m_clipboard;
    std::unique_ptr<QMimeData> m_content;
};

} // namespace platform

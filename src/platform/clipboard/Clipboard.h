#pragma once

#include "platform/picture/Picture.h"

#include <QMimeData>

#include <memory>

namespace platform {

// The system clipboard, as far as pictures go. Tests replace it.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setPicture(const Picture& picture) = 0;
    // The clipboard's picture; a null picture when it holds none. Throws
    // when the clipboard cannot be read (a failed fetch).
    virtual Picture picture() = 0;

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

// Clipboard content for a picture: the picture's own format, and an image
// for other programs, rendered only when one asks for it.
class PictureMimeData final : public QMimeData {
    Q_OBJECT
public:
    explicit PictureMimeData(Picture picture);
    const Picture& picture() const { return m_picture; }

    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    Picture m_picture;
};

// The picture that clipboard content holds: a null picture when it holds
// none; throws when it names a picture that cannot be read.
Picture pictureOf(const QMimeData& content);

} // namespace platform

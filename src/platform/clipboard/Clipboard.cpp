#include "Clipboard.h"

#include "platform/errors/RuntimeError.h"

namespace platform {

namespace {
// Other programs get the picture at the screen's usual resolution.
constexpr double kImageDpi = 96;
const QString kImageFormat = QStringLiteral("application/x-qt-image");
} // namespace

std::unique_ptr<QMimeData> Clipboard::snapshot() {
    const Picture current = picture();
    if (current.isNull())
        return std::make_unique<QMimeData>();
    return std::make_unique<PictureMimeData>(current);
}

void Clipboard::restore(std::unique_ptr<QMimeData> content) {
    setPicture(content ? pictureOf(*content) : Picture());
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

PictureMimeData::PictureMimeData(Picture picture) : m_picture(std::move(picture)) {}

QStringList PictureMimeData::formats() const {
    return {Picture::mimeType(), kImageFormat};
}

bool PictureMimeData::hasFormat(const QString& mimeType) const {
    return formats().contains(mimeType);
}

QVariant PictureMimeData::retrieveData(const QString& mimeType, QMetaType type) const {
    if (mimeType == Picture::mimeType())
        return m_picture.toBytes();
    if (mimeType == kImageFormat || type.id() == QMetaType::QImage)
        return m_picture.toImage(kImageDpi);
    return QMimeData::retrieveData(mimeType, type);
}

Picture pictureOf(const QMimeData& content) {
    if (const auto* own = qobject_cast<const PictureMimeData*>(&content))
        return own->picture();
    if (content.hasFormat(Picture::mimeType())) {
        Picture picture = Picture::fromBytes(content.data(Picture::mimeType()));
        if (picture.isNull())
            throw RuntimeError(QStringLiteral("Invalid picture format"));
        return picture;
    }
    if (content.hasImage())
        return Picture(qvariant_cast<QImage>(content.imageData()));
    return {};
}

} // namespace platform

#include "SystemClipboard.h"

#include "platform/errors/RuntimeError.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void SystemClipboard::setPicture(const Picture& picture) {
    if (picture.isNull())
        QGuiApplication::clipboard()->clear();
    else
        QGuiApplication::clipboard()->setMimeData(new PictureMimeData(picture));
}

Picture SystemClipboard::picture() {
    const QMimeData* content = QGuiApplication::clipboard()->mimeData();
    if (!content)
        throw RuntimeError(QStringLiteral("Can't open Clipboard"));
    return pictureOf(*content);
}

std::unique_ptr<QMimeData> SystemClipboard::snapshot() {
    const QMimeData* current = QGuiApplication::clipboard()->mimeData();
    if (const auto* own = qobject_cast<const PictureMimeData*>(current))
        return std::make_unique<PictureMimeData>(own->picture());
    auto content = std::make_unique<QMimeData>();
    if (current) {
        for (const QString& format : current->formats())
            content->setData(format, current->data(format));
    }
    return content;
}

void SystemClipboard::restore(std::unique_ptr<QMimeData> content) {
    if (!content || content->formats().isEmpty()) {
        QGuiApplication::clipboard()->clear();
        return;
    }
    QGuiApplication::clipboard()->setMimeData(content.release());
}

} // namespace platform

#include "SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void SystemClipboard::setPicture(const QImage& picture) {
    QGuiApplication::clipboard()->setImage(picture);
}

QImage SystemClipboard::picture() {
    return QGuiApplication::clipboard()->image();
}

std::unique_ptr<QMimeData> SystemClipboard::snapshot() {
    auto content = std::make_unique<QMimeData>();
    if (const QMimeData* current = QGuiApplication::clipboard()->mimeData()) {
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

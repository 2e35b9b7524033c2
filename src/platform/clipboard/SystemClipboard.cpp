#include "SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void SystemClipboard::setPicture(const QImage& picture) {
    QGuiApplication::clipboard()->setImage(picture);
}

QImage SystemClipboard::picture() { return QGuiApplication::clipboard()->image(); }

} // namespace platform

#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace platform {

int twipsToPixels(double twips, int dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

double pixelsToTwips(double pixels, int dpi) {
    return pixels * kTwipsPerInch / dpi;
}

int logicalDpi(const QWidget* widget) {
    if (widget)
        return widget->logicalDpiX();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchX())) : 96;
}

void setTwipsGeometry(QWidget* widget, int left, int top, int width, int height) {
    const int dpi = logicalDpi(widget);
    widget->setGeometry(twipsToPixels(left, dpi), twipsToPixels(top, dpi),
                        twipsToPixels(width, dpi), twipsToPixels(height, dpi));
}

void setTwipsSize(QWidget* widget, int width, int height) {
    const int dpi = logicalDpi(widget);
    widget->resize(twipsToPixels(width, dpi), twipsToPixels(height, dpi));
}

QRect twipsGeometry(const QWidget* widget) {
    const int dpi = logicalDpi(widget);
    const QRect g = widget->geometry();
    auto t = [dpi](int px) { return static_cast<int>(std::lround(pixelsToTwips(px, dpi))); };
    return QRect(t(g.x()), t(g.y()), t(g.width()), t(g.height()));
}

} // namespace platform

#pragma once

#include <QRect>

class QWidget;

namespace platform {

// Twips are 1/1440 inch. Window geometry is specified in twips and turned
// into device-independent pixels at the widget's logical DPI.
constexpr int kTwipsPerInch = 1440;

int twipsToPixels(double twips, int dpi);
double pixelsToTwips(double pixels, int dpi);
int logicalDpi(const QWidget* widget);

void setTwipsGeometry(QWidget* widget, int left, int top, int width, int height);
QRect twipsGeometry(const QWidget* widget);
void setTwipsSize(QWidget* widget, int width, int height);

} // namespace platform

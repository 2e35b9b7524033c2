#include "Picture.h"

#include <cmath>

namespace platform {

namespace {
constexpr double kMetersPerInch = 0.0254;
constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultDpi = 96;

int twipsOf(int pixels, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(pixels) * kTwipsPerInch / dpi));
}
} // namespace

int pictureDpi(const QImage& picture) {
    const int dpi = static_cast<int>(std::lround(picture.dotsPerMeterX() * kMetersPerInch));
    return dpi > 0 ? dpi : kDefaultDpi;
}

void setPictureDpi(QImage& picture, int dpi) {
    const int dpm = static_cast<int>(std::lround(dpi / kMetersPerInch));
    picture.setDotsPerMeterX(dpm);
    picture.setDotsPerMeterY(dpm);
}

QSize pictureTwipsSize(const QImage& picture) {
    if (picture.isNull())
        return {};
    const int dpi = pictureDpi(picture);
    return {twipsOf(picture.width(), dpi), twipsOf(picture.height(), dpi)};
}

QImage makePicture(QSize twips, int dpi, QColor fill) {
    const auto px = [dpi](int t) {
        return static_cast<int>(std::lround(static_cast<double>(t) * dpi / kTwipsPerInch));
    };
    QImage picture(px(twips.width()), px(twips.height()), QImage::Format_RGB32);
    picture.fill(fill);
    setPictureDpi(picture, dpi);
    return picture;
}

} // namespace platform

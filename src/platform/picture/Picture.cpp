#include "Picture.h"

#include "DisplayListPainter.h"

#include <QPainter>

#include <cmath>

namespace platform {

namespace {
constexpr double kMetersPerInch = 0.0254;
constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultDpi = 96;

int twipsOf(int pixels, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(pixels) * kTwipsPerInch / dpi));
}

DisplayList imageList(const QImage& image) {
    DisplayList list;
    list.size = pictureTwipsSize(image);
    list.items.emplace_back(ImageItem{image, QRectF(QPointF(0, 0), list.size)});
    return list;
}
} // namespace

int pictureDpi(const QImage& image) {
    const int dpi = static_cast<int>(std::lround(image.dotsPerMeterX() * kMetersPerInch));
    return dpi > 0 ? dpi : kDefaultDpi;
}

void setPictureDpi(QImage& image, int dpi) {
    const int dpm = static_cast<int>(std::lround(dpi / kMetersPerInch));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
}

QSize pictureTwipsSize(const QImage& image) {
    if (image.isNull())
        return {};
    const int dpi = pictureDpi(image);
    return {twipsOf(image.width(), dpi), twipsOf(image.height(), dpi)};
}

QImage makePicture(QSize twips, int dpi, QColor fill) {
    const auto px = [dpi](int t) {
        return static_cast<int>(std::lround(static_cast<double>(t) * dpi / kTwipsPerInch));
    };
    QImage image(px(twips.width()), px(twips.height()), QImage::Format_RGB32);
    image.fill(fill);
    setPictureDpi(image, dpi);
    return image;
}

// --- Picture ----------------------------------------------------------------

Picture::Picture(const QImage& image) {
    if (!image.isNull())
        m_list = std::make_shared<const DisplayList>(imageList(image));
}

Picture::Picture(DisplayList list) : m_list(std::make_shared<const DisplayList>(std::move(list))) {}

QSize Picture::twipsSize() const {
    return m_list ? m_list->size : QSize();
}

bool Picture::isRaster() const {
    return m_list && m_list->items.size() == 1 &&
           std::holds_alternative<ImageItem>(m_list->items[0]);
}

bool Picture::operator==(const Picture& other) const {
    if (m_list == other.m_list)
        return true;
    if (!isRaster() || !other.isRaster())
        return false;
    return std::get<ImageItem>(m_list->items[0]).image ==
           std::get<ImageItem>(other.m_list->items[0]).image;
}

void Picture::draw(QPainter& painter, const QRectF& target, const QRectF& source) const {
    if (!m_list || source.isEmpty() || target.isEmpty())
        return;
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.fillRect(target, m_list->background);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    DisplayListPainter(painter, target, source).paint(*m_list);
    painter.restore();
}

void Picture::draw(QPainter& painter, const QRectF& target) const {
    draw(painter, target, QRectF(QPointF(0, 0), twipsSize()));
}

void Picture::drawContent(QPainter& painter, const QRectF& target) const {
    if (!m_list || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    DisplayListPainter(painter, target, QRectF(QPointF(0, 0), twipsSize())).paint(*m_list);
    painter.restore();
}

QImage Picture::toImage(double dpi) const {
    if (!m_list)
        return {};
    const double scale = dpi / kTwipsPerInch;
    const QSizeF exact = QSizeF(twipsSize()) * scale;
    // Whole pixels, rounded up: a rule on the picture's last twips keeps
    // the pixel row it is drawn on.
    const auto pixels = [](double length) {
        return std::max(1, static_cast<int>(std::ceil(length - 1e-6)));
    };
    QImage image(pixels(exact.width()), pixels(exact.height()), QImage::Format_RGB32);
    image.fill(m_list->background);
    setPictureDpi(image, static_cast<int>(std::lround(dpi)));
    QPainter painter(&image);
    // The whole image, at the same scale: the rounded-up margin is drawn too.
    draw(painter, QRectF(image.rect()),
         QRectF(0, 0, image.width() / scale, image.height() / scale));
    return image;
}

QString Picture::mimeType() {
    return QStringLiteral("application/x-quillary-picture");
}

} // namespace platform

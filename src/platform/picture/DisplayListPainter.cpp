#include "DisplayListPainter.h"

#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace platform {

namespace {

// A face without bold outlines is emboldened as FreeType does it, by a 24th
// of the em: the glyphs drawn again that much to the right.
constexpr double kEmboldenShare = 1.0 / 24.0;
constexpr int kEmboldenSteps = 3;

int rounded(double value) {
    return static_cast<int>(std::lround(value));
}

// Vector devices (PDF, printers) place glyphs where they fall; raster ones
// get the baseline on a pixel row.
bool isRaster(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster;
}

} // namespace

DisplayListPainter::DisplayListPainter(QPainter& painter, const QRectF& target,
                                       const QRectF& source)
    : m_painter(painter) {
    const double sx = target.width() / source.width();
    const double sy = target.height() / source.height();
    m_toTarget =
        QTransform(sx, 0, 0, sy, target.x() - source.x() * sx, target.y() - source.y() * sy);
    m_toDevice = m_toTarget * painter.deviceTransform();
    m_snap = m_toDevice.type() <= QTransform::TxScale;
}

void DisplayListPainter::paint(const DisplayList& list) const {
    for (const DisplayItem& item : list.items) {
        std::visit(
            [this](const auto& it) {
                using T = std::decay_t<decltype(it)>;
                if constexpr (std::is_same_v<T, GlyphItem>)
                    glyphs(it);
                else if constexpr (std::is_same_v<T, RuleItem>)
                    rule(it);
                else if constexpr (std::is_same_v<T, LineItem>)
                    line(it);
                else
                    image(it);
            },
            item);
    }
}

// On a raster device a run's baseline goes to the pixel row it falls in
// (rounded down, as PDF renderers place glyphs), not the nearest one.
QPointF DisplayListPainter::baselineOnPixel(const GlyphItem& item) const {
    const QList<QPointF> positions = item.glyphs.positions();
    if (!m_snap || positions.isEmpty() || !isRaster(m_painter) || m_toDevice.m22() <= 0)
        return item.origin;
    const double y = m_toDevice.map(item.origin + QPointF(0, positions.first().y())).y();
    return item.origin + QPointF(0, (std::floor(y) - y) / m_toDevice.m22());
}

void DisplayListPainter::glyphs(const GlyphItem& item) const {
    m_painter.save();
    m_painter.setTransform(m_toTarget, true);
    m_painter.setPen(item.color);
    const QPointF origin = baselineOnPixel(item);
    m_painter.drawGlyphRun(origin, item.glyphs);
    if (item.embolden) {
        // On paper and in PDF files too: readers of the text know repeated
        // glyphs a fraction of an em apart as emboldening and keep one.
        const double strength = item.glyphs.rawFont().pixelSize() * kEmboldenShare;
        for (int i = 1; i <= kEmboldenSteps; ++i)
            m_painter.drawGlyphRun(origin + QPointF(strength * i / kEmboldenSteps, 0),
                                   item.glyphs);
    }
    m_painter.restore();
}

int DisplayListPainter::pixels(double twips, bool vertical) const {
    return rounded(twips * (vertical ? m_toDevice.m22() : m_toDevice.m11()));
}

void DisplayListPainter::rule(const RuleItem& item) const {
    m_painter.save();
    if (m_snap) {
        // Draw in device pixels.
        m_painter.setWorldTransform(m_painter.deviceTransform().inverted() *
                                    m_painter.worldTransform());
    } else {
        m_painter.setTransform(m_toTarget, true);
    }
    if (item.orientation == Qt::Horizontal)
        horizontal(item);
    else
        vertical(item);
    m_painter.restore();
}

void DisplayListPainter::horizontal(const RuleItem& item) const {
    if (!m_snap) {
        m_painter.fillRect(QRectF(item.from, item.position, item.to - item.from, item.thickness),
                           item.color);
        if (item.isDouble)
            m_painter.fillRect(QRectF(item.from, item.position + item.band - item.thickness,
                                      item.to - item.from, item.thickness),
                               item.color);
        return;
    }
    const QPointF start = m_toDevice.map(QPointF(item.from, item.position));
    const QPointF end = m_toDevice.map(QPointF(item.to, item.position + item.band));
    const int x0 = rounded(start.x());
    const int x1 = rounded(end.x());
    const int y0 = rounded(start.y());
    const int t = std::max(1, pixels(item.thickness, true));
    m_painter.fillRect(QRect(x0, y0, std::max(1, x1 - x0), t), item.color);
    if (item.isDouble) {
        const int y1 = std::max(y0 + 2 * t, rounded(end.y()) - t);
        m_painter.fillRect(QRect(x0, y1, std::max(1, x1 - x0), t), item.color);
    }
}

void DisplayListPainter::vertical(const RuleItem& item) const {
    if (!m_snap) {
        const double left = item.position - item.thickness / 2;
        m_painter.fillRect(QRectF(left, item.from, item.thickness, item.to - item.from),
                           item.color);
        if (item.isDouble)
            m_painter.fillRect(
                QRectF(left + 2 * item.thickness, item.from, item.thickness, item.to - item.from),
                item.color);
        return;
    }
    const QPointF start = m_toDevice.map(QPointF(item.position, item.from));
    const QPointF end = m_toDevice.map(QPointF(item.position, item.to));
    const int t = std::max(1, pixels(item.thickness, false));
    const int x0 = rounded(start.x()) - t / 2;
    const int y0 = rounded(start.y());
    const int y1 = rounded(end.y());
    m_painter.fillRect(QRect(x0, y0, t, std::max(1, y1 - y0)), item.color);
    if (item.isDouble)
        m_painter.fillRect(QRect(x0 + 2 * t, y0, t, std::max(1, y1 - y0)), item.color);
}

void DisplayListPainter::line(const LineItem& item) const {
    m_painter.save();
    m_painter.setWorldTransform(m_painter.deviceTransform().inverted() *
                                m_painter.worldTransform());
    const int width = std::max(1, pixels(item.thickness, false));
    m_painter.setPen(QPen(item.color, width));
    m_painter.drawLine(m_toDevice.map(item.line));
    m_painter.restore();
}

void DisplayListPainter::image(const ImageItem& item) const {
    m_painter.save();
    m_painter.setTransform(m_toTarget, true);
    m_painter.drawImage(item.target, item.image);
    m_painter.restore();
}

} // namespace platform

#pragma once

#include "DisplayList.h"

#include <QTransform>

class QPainter;

namespace platform {

// Replays a display list onto a painter: the `source` rectangle of the
// picture (twips) lands on `target` (the painter's coordinates). Glyphs are
// drawn as glyph runs, so they are rendered at the destination's own
// resolution; rules are snapped to the destination's device pixels, at
// least one pixel thick and the two lines of a double rule at least one
// pixel apart, so that thin rules stay visible at any scale.
class DisplayListPainter {
public:
    DisplayListPainter(QPainter& painter, const QRectF& target, const QRectF& source);

    void paint(const DisplayList& list) const;

private:
    void glyphs(const GlyphItem& item) const;
    QPointF baselineOnPixel(const GlyphItem& item) const;
    void rule(const RuleItem& item) const;
    void line(const LineItem& item) const;
    void image(const ImageItem& item) const;
    void horizontal(const RuleItem& item) const;
    void vertical(const RuleItem& item) const;
    int pixels(double twips, bool vertical) const;

    QPainter& m_painter;
    QTransform m_toTarget; // picture twips to the painter's coordinates
    QTransform m_toDevice; // picture twips to device pixels
    bool m_snap = true;    // false when the device is rotated or sheared
};

} // namespace platform

#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <variant>
#include <vector>

namespace platform {

// What a vector picture is made of. All coordinates are twips from the
// picture's top-left corner.

// Shaped glyphs drawn at `origin`; the run's font has one twip per pixel.
struct GlyphItem {
    QGlyphRun glyphs;
    QPointF origin;
    QColor color;
    bool embolden = false; // a face without bold outlines, drawn thicker
};

// A horizontal or vertical rule. `position` is the top of a horizontal
// rule's band or the centre line of a vertical one; the rule runs from
// `from` to `to` along its length. A double rule draws a second line
// `band` twips below (horizontal) or beside (vertical) the first.
struct RuleItem {
    Qt::Orientation orientation = Qt::Horizontal;
    double position = 0;
    double from = 0;
    double to = 0;
    double thickness = 0;
    bool isDouble = false;
    double band = 0;
    QColor color;
};

// A straight line of any direction (the diagonals of a table cell).
struct LineItem {
    QLineF line;
    double thickness = 0;
    QColor color;
};

// A raster image stretched over `target`.
struct ImageItem {
    QImage image;
    QRectF target;
};

using DisplayItem = std::variant<GlyphItem, RuleItem, LineItem, ImageItem>;

struct DisplayList {
    QSize size; // twips
    QColor background = Qt::white;
    std::vector<DisplayItem> items;
};

} // namespace platform

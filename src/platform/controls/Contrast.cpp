#include "Contrast.h"

#include <QPalette>

#include <cmath>

namespace platform {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor contrastingColour(const QColor& background, std::initializer_list<QColor> candidates,
                         double ratio) {
    for (const QColor& c : candidates) {
        if (contrastRatio(c, background) >= ratio)
            return c;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

namespace {

constexpr double kTextContrast = 4.5;

// `moving` blended step by step towards black or white, whichever stands
// further from `fixed`, until the two reach the ratio.
QColor apart(const QColor& moving, const QColor& fixed) {
    const QColor target = contrastRatio(Qt::black, fixed) >= contrastRatio(Qt::white, fixed)
                              ? QColor(Qt::black)
                              : QColor(Qt::white);
    QColor c = moving;
    for (int step = 1; step <= 20 && contrastRatio(c, fixed) < kTextContrast; ++step) {
        const double t = step / 20.0;
        c = QColor::fromRgbF(
            static_cast<float>(moving.redF() + (target.redF() - moving.redF()) * t),
            static_cast<float>(moving.greenF() + (target.greenF() - moving.greenF()) * t),
            static_cast<float>(moving.blueF() + (target.blueF() - moving.blueF()) * t));
    }
    return c;
}

} // namespace

QPalette readablePalette(const QPalette& palette) {
    QPalette readable = palette;
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> textOn[] = {
        {QPalette::Window, QPalette::WindowText},
        {QPalette::Base, QPalette::Text},
        {QPalette::Button, QPalette::ButtonText},
        {QPalette::ToolTipBase, QPalette::ToolTipText}};
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto& [back, text] : textOn) {
            const QColor b = palette.color(group, back);
            const QColor t = palette.color(group, text);
            if (contrastRatio(b, t) < kTextContrast)
                readable.setColor(group, text, apart(t, b));
        }
        const QColor highlight = palette.color(group, QPalette::Highlight);
        const QColor selected = palette.color(group, QPalette::HighlightedText);
        if (contrastRatio(highlight, selected) < kTextContrast)
            readable.setColor(group, QPalette::Highlight, apart(highlight, selected));
    }
    return readable;
}

} // namespace platform

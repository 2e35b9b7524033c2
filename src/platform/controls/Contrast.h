#pragma once

#include <QColor>

namespace platform {

// Relative luminance and contrast ratio of two colours as the Web Content
// Accessibility Guidelines define them: 1:1 for equal colours, 21:1 for
// black on white. Text needs 4.5:1, focus indicators 3:1.
double relativeLuminance(const QColor& colour);
double contrastRatio(const QColor& a, const QColor& b);

// Of `candidates`, the first with at least `ratio` against `background`;
// else whichever of black and white contrasts more.
QColor contrastingColour(const QColor& background, std::initializer_list<QColor> candidates,
                         double ratio);

} // namespace platform

class QPalette;

namespace platform {

// The roles of `palette` that draw text at less than 4.5:1 on their
// background, changed until they reach it: the text colour of windows,
// fields, buttons and tips moves towards black or white; the selection's
// background moves away from its text. Nothing else changes.
QPalette readablePalette(const QPalette& palette);

} // namespace platform

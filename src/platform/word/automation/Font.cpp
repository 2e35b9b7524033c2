#include "Font.h"

#include "../layout/Resolve.h"
#include "Constants.h"
#include "Document.h"
#include "Errors.h"
#include "Selection.h"

#include <cmath>

namespace word {

namespace {

RunFormat effective(Selection& selection) {
    return resolveRun(selection.insertionFormat(), selection.document().model().styles, nullptr);
}

void edit(Selection& selection, const std::function<void(RunProperties&)>& change) {
    selection.changeFormat(change);
}

// Word's colour integers hold red in the low byte.
QRgb rgbOfWordColor(int color) {
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF) & 0xFFFFFF;
}

} // namespace

QString Font::Name() const {
    return effective(m_selection).font;
}

void Font::setName(const QString& name) {
    edit(m_selection, [&](RunProperties& f) { f.font = name; });
}

double Font::Size() const {
    return effective(m_selection).halfPoints / 2.0;
}

void Font::setSize(double points) {
    const int halfPoints = static_cast<int>(std::lround(points * 2));
    if (halfPoints < 2 || halfPoints > 3276)
        failOutOfRange();
    edit(m_selection, [&](RunProperties& f) { f.sizeHalfPoints = halfPoints; });
}

int Font::Color() const {
    const auto color = m_selection.insertionFormat().color;
    if (!color || color->automatic)
        return wd::ColorAutomatic;
    return qRed(color->rgb) | (qGreen(color->rgb) << 8) | (qBlue(color->rgb) << 16);
}

void Font::setColor(int color) {
    if (color != wd::ColorAutomatic && (color < 0 || color > 0xFFFFFF))
        failOutOfRange();
    const word::Color value = color == wd::ColorAutomatic
                                  ? word::Color::autoColor()
                                  : word::Color::fromRgb(rgbOfWordColor(color));
    edit(m_selection, [&](RunProperties& f) { f.color = value; });
}

bool Font::Bold() const {
    return effective(m_selection).bold;
}

void Font::setBold(bool bold) {
    edit(m_selection, [&](RunProperties& f) { f.bold = bold; });
}

} // namespace word

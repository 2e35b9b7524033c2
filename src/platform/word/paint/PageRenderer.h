#pragma once

#include "../layout/Layout.h"

#include <QImage>

namespace word {

struct RenderOptions {
    int dpi = 96; // 96 x the device pixel ratio for a crisp picture on screen
};

// The size in twips of a page's picture: the text area's width (wider when
// content runs into the right margin) by the height down to its last line.
QSize pagePictureTwips(const Page& page, const Section& section);

// Page `index` drawn at 1:1 physical scale on white; its resolution is set
// so that platform::pictureTwipsSize() gives pagePictureTwips().
QImage renderPage(Layout& layout, int index, RenderOptions options = {});
QImage renderPage(const Page& page, const Section& section, RenderOptions options = {});

} // namespace word

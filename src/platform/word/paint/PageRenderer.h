#pragma once

#include "../layout/Layout.h"

#include "platform/picture/Picture.h"

#include <QImage>

namespace word {

struct RenderOptions {
    int dpi = 96; // 96 x the device pixel ratio for a crisp picture on screen
};

// The size in twips of a page's picture: the text area's width (wider when
// content runs into the right margin) by the height down to its last line.
QSize pagePictureTwips(const Page& page, const Section& section);

// Page `index` as a picture at 1:1 physical scale on white, its origin at
// the top-left corner of the text area: the glyph runs and rules of the
// page, drawn sharp at any size.
platform::Picture recordPage(const Page& page, const Section& section);
platform::Picture recordPage(Layout& layout, int index);

// The page's picture as an image of `options.dpi` dots per inch, whose
// resolution makes platform::pictureTwipsSize() give pagePictureTwips().
QImage renderPage(Layout& layout, int index, RenderOptions options = {});
QImage renderPage(const Page& page, const Section& section, RenderOptions options = {});

} // namespace word

#pragma once

#include "FontCache.h"

#include <QTextLayout>

namespace word {

// Lays out `line` (the last one created in its layout) to `width` twips
// and moves its end to where LibreOffice breaks it: a word stays on the
// line when the line's text up to that word's end, measured as
// FontCache::advanceSixths does, is no wider than the line; spaces after
// it may run past the edge. A first word too long for the line is left as
// Qt breaks it.
void fitLine(QTextLine& line, const QString& text, int width, FontCache& fonts);

// The width of text [from, to) of a laid-out line in sixths of a twip, from
// the line's start: tab stops as laid out, glyphs as advanceSixths has them.
qint64 lineWidthSixths(const QTextLine& line, const QString& text, int from, int to,
                       FontCache& fonts);

} // namespace word

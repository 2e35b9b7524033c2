#pragma once

#include "FontCache.h"

#include <QTextLayout>

#include <vector>

namespace word {

// A stretch of a paragraph in one format, [start, end), and that format's
// single-spaced line height in twips. LibreOffice fits a line portion by
// portion: such a stretch, from the line's start or the last tab on it.
struct FitPortion {
    int start = 0;
    int end = 0;
    int lineHeight = 0;
};

// Lays out `line` (the last one created in its layout, placed at the x
// where its text starts) to `width` twips from the paragraph's start and
// moves its end to where LibreOffice breaks it (see lineFits); a word too
// long for the line is broken after its last character that fits. `portions` cover the
// paragraph's text in order.
//
// True when the line ends with a tab that LibreOffice carries to the next
// line, whose text then starts at the first tab stop: a tab whose stop is
// at or past the edge, or one followed by a word that does not fit, unless
// it is the paragraph's last character or only white space precedes it on
// the line. Qt cannot break before a tab and lets it hang past the edge
// like a space; the caller starts the next line at that stop instead.
bool fitLine(QTextLine& line, const QString& text, int width,
             const std::vector<FitPortion>& portions, FontCache& fonts);

// True when the line's text up to `contentEnd` (its trailing spaces left
// out, they may run past the edge) fits `width` twips as LibreOffice fits
// it. Each portion before the last must fit whole, and takes its width
// rounded to whole twips (half up) from the line. A portion fits whole
// when its remaining text (spaces included), measured as lineWidthSixths
// does, is no wider than what is left of the line; or, when what is left
// is more than half its remaining characters times its line height, when
// that width rounded to twips is no wider. The last portion fits whole so,
// or its text up to `contentEnd` fits in sixths of a twip.
bool lineFits(const QTextLine& line, const QString& text, int contentEnd, int width,
              const std::vector<FitPortion>& portions, FontCache& fonts);

// The width of text [from, to) of a laid-out line in sixths of a twip, from
// the line's start: tab stops as laid out, glyphs as advanceSixths has them.
qint64 lineWidthSixths(const QTextLine& line, const QString& text, int from, int to,
                       FontCache& fonts);

} // namespace word

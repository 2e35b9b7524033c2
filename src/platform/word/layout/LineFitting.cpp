#include "LineFitting.h"

#include <QTextBoundaryFinder>

namespace word {

namespace {

// Enough room for every word that LibreOffice's measure might still fit:
// it differs from Qt's by less than a tenth of a twip per glyph, and a
// glyph is at least a point (20 twips) wide.
constexpr int kSlackPerTwips = 200;

int contentEnd(const QString& text, int from, int to) {
    while (to > from && text.at(to - 1).isSpace())
        --to;
    return to;
}

bool isLineBoundary(const QString& text, int pos) {
    if (pos <= 0 || pos >= text.size())
        return true;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    finder.setPosition(pos);
    return finder.isAtBoundary();
}

} // namespace

qint64 lineWidthSixths(const QTextLine& line, const QString& text, int from, int to,
                       FontCache& fonts) {
    qint64 sixths = 0;
    const int tab = static_cast<int>(text.lastIndexOf(QLatin1Char('\t'), to - 1));
    if (tab >= from) {
        from = tab + 1;
        sixths = std::llround(line.cursorToX(from) * 6);
    }
    if (to <= from)
        return sixths;
    for (const QGlyphRun& run : line.glyphRuns(from, to - from))
        sixths += fonts.advanceSixths(run);
    return sixths;
}

void fitLine(QTextLine& line, const QString& text, int width, FontCache& fonts) {
    const qint64 limit = qint64(width) * 6;
    qreal current = width + 2 + width / kSlackPerTwips;
    line.setLineWidth(current);
    const int start = line.textStart();
    for (;;) {
        const int end = start + line.textLength();
        // The two measures differ by less than a tenth of a twip a glyph
        // (and a line has no more glyphs than characters): only a line
        // this close to the edge needs LibreOffice's.
        const qreal natural = line.naturalTextWidth();
        const qreal doubt = line.textLength() / 10.0 + 1;
        if (natural <= width - doubt)
            return;
        if (natural < width + doubt &&
            lineWidthSixths(line, text, start, contentEnd(text, start, end), fonts) <= limit)
            return;
        // One word fewer: Qt breaks before the last word that overflows.
        const qreal shorterWidth = natural - 1.0 / 64;
        line.setLineWidth(shorterWidth);
        const int shorter = start + line.textLength();
        if (shorter >= end || shorter <= start || !isLineBoundary(text, shorter)) {
            line.setLineWidth(current);
            return;
        }
        current = shorterWidth;
    }
}

} // namespace word

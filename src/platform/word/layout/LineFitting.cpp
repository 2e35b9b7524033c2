#include "LineFitting.h"

#include <algorithm>

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

// Glyph advances of [from, to) on the line, in sixths of a twip.
qint64 glyphSixths(const QTextLine& line, int from, int to, FontCache& fonts) {
    qint64 sixths = 0;
    if (to > from)
        for (const QGlyphRun& run : line.glyphRuns(from, to - from))
            sixths += fonts.advanceSixths(run);
    return sixths;
}

qint64 roundedToTwips(qint64 sixths) {
    return (sixths + 3) / 6;
}

// Whether the rest of `portion` from `from` fits in `room` twips whole
// (see lineFits); its width in sixths through `sixths`.
bool fitsWhole(const QTextLine& line, const FitPortion& portion, int from, qint64 room,
               FontCache& fonts, qint64& sixths) {
    sixths = glyphSixths(line, from, portion.end, fonts);
    if (sixths <= room * 6)
        return true;
    const bool roughlyShort = 2 * room > qint64(portion.end - from) * portion.lineHeight;
    return roughlyShort && roundedToTwips(sixths) <= room;
}

// Where measuring [from, to) starts: after the last tab in it, at that
// tab stop's position in sixths of a twip; else at `from`, at the line's
// start (after a tab carried from the line above).
int measureFromLastTab(const QTextLine& line, const QString& text, int from, int to,
                       qint64& sixths) {
    const qsizetype inLine = QStringView(text).mid(from, to - from).lastIndexOf(u'\t');
    const int tab = inLine < 0 ? -1 : from + static_cast<int>(inLine);
    if (tab < from) {
        sixths = std::llround(line.x() * 6);
        return from;
    }
    sixths = std::llround(line.cursorToX(tab + 1) * 6);
    return tab + 1;
}

// Whether the line ends with a tab that is not the paragraph's last
// character. Qt ends a line so when the tab's stop or the word after it
// lies past the edge.
bool endsWithCarriedTab(const QTextLine& line, const QString& text) {
    const int start = line.textStart();
    const int last = start + line.textLength() - 1;
    return last > start && last + 1 < text.size() && text.at(last) == QLatin1Char('\t') &&
           contentEnd(text, start, last) > start;
}

} // namespace

qint64 lineWidthSixths(const QTextLine& line, const QString& text, int from, int to,
                       FontCache& fonts) {
    qint64 sixths = 0;
    from = measureFromLastTab(line, text, from, to, sixths);
    return sixths + glyphSixths(line, from, to, fonts);
}

bool lineFits(const QTextLine& line, const QString& text, int contentEnd, int width,
              const std::vector<FitPortion>& portions, FontCache& fonts) {
    if (portions.empty())
        return lineWidthSixths(line, text, line.textStart(), contentEnd, fonts) <=
               qint64(width) * 6;
    const int lineEnd = line.textStart() + line.textLength();
    qint64 x = 0; // sixths of a twip
    const int from = measureFromLastTab(line, text, line.textStart(), contentEnd, x);
    for (const FitPortion& portion : portions) {
        if (portion.end <= from)
            continue;
        if (portion.start >= contentEnd)
            break;
        // A tab ends a portion too.
        const int start = std::max(from, portion.start);
        const qsizetype tab =
            QStringView(text).mid(start, std::max(0, portion.end - start)).indexOf(u'\t');
        const FitPortion rest{start, tab >= 0 ? start + static_cast<int>(tab) : portion.end,
                              portion.lineHeight};
        const bool last = rest.end >= contentEnd;
        qint64 sixths = 0;
        if (rest.end <= lineEnd &&
            fitsWhole(line, rest, start, (qint64(width) * 6 - x) / 6, fonts, sixths)) {
            x += roundedToTwips(sixths) * 6;
            continue;
        }
        return last && x + glyphSixths(line, start, contentEnd, fonts) <= qint64(width) * 6;
    }
    return true;
}

bool fitLine(QTextLine& line, const QString& text, int width,
             const std::vector<FitPortion>& portions, FontCache& fonts) {
    const qreal indent = line.x();
    qreal current = width - indent + 2 + width / kSlackPerTwips;
    line.setLineWidth(current);
    const int start = line.textStart();
    for (;;) {
        const int end = start + line.textLength();
        // Qt's measure exceeds LibreOffice's by less than a tenth of a twip
        // a glyph (and a line has no more glyphs than characters), so a
        // line this far short of the edge fits by both. Past it, only
        // LibreOffice's measure decides: ligatures make Qt's natural width
        // wider by far.
        const qreal natural = line.naturalTextWidth();
        const qreal doubt = line.textLength() / 10.0 + 1;
        if (indent + natural <= width - doubt ||
            lineFits(line, text, contentEnd(text, start, end), width, portions, fonts))
            break;
        // One word fewer: Qt breaks before the last word that overflows, or
        // before the last character of a word that has the line alone.
        const qreal shorterWidth = natural - 1.0 / 64;
        line.setLineWidth(shorterWidth);
        const int shorter = start + line.textLength();
        if (shorter >= end || shorter <= start) {
            line.setLineWidth(current);
            break;
        }
        current = shorterWidth;
    }
    return endsWithCarriedTab(line, text);
}

} // namespace word

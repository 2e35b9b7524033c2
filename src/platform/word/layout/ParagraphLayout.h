#pragma once

#include "../model/Paragraph.h"
#include "../model/Styles.h"
#include "FontCache.h"

#include <QColor>
#include <QGlyphRun>
#include <QPointF>

#include <algorithm>
#include <memory>
#include <vector>

namespace word {

// The tallest a paragraph or a table cell is taken to be, in twips (some
// 15,000 pages): a file can stack far more lines into one cell, and heights
// added up must stay clear of int's limit on the way to the page.
inline constexpr int maxExtent = 1 << 28;

inline int addExtent(int a, int b) {
    return static_cast<int>(std::min<qint64>(qint64(a) + b, maxExtent));
}

// Shaped glyphs of one run on one line; drawn at the line's origin + offset.
struct GlyphPiece {
    QGlyphRun glyphs;
    QColor color;
    QPointF offset;
    bool embolden = false; // draw the outlines thicker (see FontCache)
};

// One line of a paragraph, in twips, relative to the paragraph's text area.
struct LineBox {
    int height = 0;   // the line's share of the page, spacing included
    int surplus = 0;  // of height, the multiple spacing's extra below the text
    int baseline = 0; // below the line's top
    int right = 0;    // where the ink ends, from the text area's left edge
    int start = 0;    // offset of the line's first character in the paragraph
    QString text;
    std::vector<GlyphPiece> pieces;
};

// A laid-out paragraph: its lines and the spacing around them.
struct ParagraphBox {
    std::vector<LineBox> lines;
    int spacingBefore = 0;
    int spacingAfter = 0;
    bool widowControl = true;

    int linesHeight() const;
    int height() const { return addExtent(spacingBefore, addExtent(linesHeight(), spacingAfter)); }
};

// What a paragraph's layout depends on besides the paragraph.
struct ParagraphContext {
    const Styles& styles;
    const TableStyle* tableStyle = nullptr; // inside a table
    int width = 0;                          // of the text area, twips
    int tabStop = 720;                      // default tab stops
};

std::shared_ptr<const ParagraphBox>
layoutParagraph(const Paragraph& paragraph, const ParagraphContext& context, FontCache& fonts);

} // namespace word

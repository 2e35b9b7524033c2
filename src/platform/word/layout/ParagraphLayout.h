#pragma once

#include "../model/Paragraph.h"
#include "../model/Styles.h"
#include "FontCache.h"

#include <QColor>
#include <QGlyphRun>
#include <QPointF>

#include <memory>
#include <vector>

namespace word {

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
    int height() const { return spacingBefore + linesHeight() + spacingAfter; }
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

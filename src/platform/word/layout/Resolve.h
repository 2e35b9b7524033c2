#pragma once

#include "../model/Styles.h"

#include <QColor>

namespace word {

// Formatting with every inherited value filled in: direct formatting, then
// the table style (inside a table), then the document defaults.
struct RunFormat {
    QString font;
    int halfPoints = 22;
    QColor color = Qt::black;
    bool bold = false;
};

struct ResolvedParagraph {
    Alignment alignment = Alignment::Left;
    int spacingBefore = 0;
    int spacingAfter = 0;
    int line = 240;
    LineRule lineRule = LineRule::Auto;
    bool widowControl = true;
};

struct TableFormat {
    Border top, left, bottom, right, insideH, insideV;
    CellMargins cellMargins;
    int indent = 0;
    const TableStyle* style = nullptr; // for the paragraphs in the table
};

RunFormat resolveRun(const RunProperties& run, const Styles& styles, const TableStyle* tableStyle);
ResolvedParagraph resolveParagraph(const ParagraphProperties& paragraph, const Styles& styles,
                                   const TableStyle* tableStyle);
TableFormat resolveTable(const Table& table, const Styles& styles);

// A border's drawn width in twips: a double rule is two lines and a gap,
// each as wide as the border's width.
int borderTwips(const Border& border);

} // namespace word

#include "Resolve.h"

#include "../model/Table.h"

namespace word {

namespace {

template <class T>
T pick(const std::optional<T>& direct, const std::optional<T>& styled, const std::optional<T>& base,
       T fallback) {
    if (direct)
        return *direct;
    if (styled)
        return *styled;
    return base.value_or(fallback);
}

const RunProperties kNoRun;
const ParagraphProperties kNoParagraph;

Border pickBorder(const std::optional<Border>& direct, const TableStyle* style,
                  std::optional<Border> TableBorders::*side, const Styles& styles) {
    if (direct)
        return *direct;
    for (int depth = 0; style && depth < 8; ++depth) {
        if (const auto& b = style->borders.*side)
            return *b;
        style = style->basedOn.isEmpty() ? nullptr : styles.tableStyle(style->basedOn);
    }
    return Border{};
}

} // namespace

RunFormat resolveRun(const RunProperties& run, const Styles& styles, const TableStyle* tableStyle) {
    const RunProperties& styled = tableStyle ? tableStyle->run : kNoRun;
    const RunProperties& base = styles.defaults.run;
    RunFormat f;
    f.font = pick(run.font, styled.font, base.font, QStringLiteral("Calibri"));
    f.halfPoints = pick(run.sizeHalfPoints, styled.sizeHalfPoints, base.sizeHalfPoints, 22);
    const Color color = pick(run.color, styled.color, base.color, Color::autoColor());
    f.color = color.automatic ? QColor(Qt::black) : QColor::fromRgb(color.rgb);
    f.bold = pick(run.bold, styled.bold, base.bold, false);
    return f;
}

ResolvedParagraph resolveParagraph(const ParagraphProperties& p, const Styles& styles,
                                   const TableStyle* tableStyle) {
    const ParagraphProperties& styled = tableStyle ? tableStyle->paragraph : kNoParagraph;
    const ParagraphProperties& base = styles.defaults.paragraph;
    ResolvedParagraph f;
    f.alignment = pick(p.alignment, styled.alignment, base.alignment, Alignment::Left);
    f.spacingBefore = pick(p.spacingBefore, styled.spacingBefore, base.spacingBefore, 0);
    f.spacingAfter = pick(p.spacingAfter, styled.spacingAfter, base.spacingAfter, 0);
    f.line = pick(p.line, styled.line, base.line, 240);
    f.lineRule = pick(p.lineRule, styled.lineRule, base.lineRule, LineRule::Auto);
    f.widowControl = pick(p.widowControl, styled.widowControl, base.widowControl, false);
    return f;
}

TableFormat resolveTable(const Table& table, const Styles& styles) {
    const TableStyle* style = styles.tableStyle(table.styleId);
    if (!style)
        style = styles.tableStyle(QStringLiteral("TableNormal"));
    TableFormat f;
    f.style = style;
    f.top = pickBorder(table.borders.top, style, &TableBorders::top, styles);
    f.left = pickBorder(table.borders.left, style, &TableBorders::left, styles);
    f.bottom = pickBorder(table.borders.bottom, style, &TableBorders::bottom, styles);
    f.right = pickBorder(table.borders.right, style, &TableBorders::right, styles);
    f.insideH = pickBorder(table.borders.insideH, style, &TableBorders::insideH, styles);
    f.insideV = pickBorder(table.borders.insideV, style, &TableBorders::insideV, styles);
    if (style) {
        f.cellMargins = style->cellMargins;
        f.indent = style->indentTwips;
    }
    return f;
}

int borderTwips(const Border& border) {
    const int width = border.widthEighths * 20 / 8;
    switch (border.style) {
    case BorderStyle::None:
        return 0;
    case BorderStyle::Single:
        return width;
    case BorderStyle::Double:
        return 3 * width;
    }
    return 0;
}

} // namespace word

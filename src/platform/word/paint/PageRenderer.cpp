#include "PageRenderer.h"

#include "RuleRecorder.h"

#include <algorithm>

namespace word {

namespace {

void recordLine(platform::DisplayList& list, const LineBox& line, QPoint position, QPointF origin) {
    const QPointF at = origin + QPointF(position);
    for (const GlyphPiece& piece : line.pieces)
        list.items.emplace_back(
            platform::GlyphItem{piece.glyphs, at + piece.offset, piece.color, piece.embolden});
}

void recordRowText(platform::DisplayList& list, const PageRow& placed, QPointF origin) {
    const int textTop = placed.y + borderTwips(placed.above);
    for (std::size_t c = 0; c < placed.row->cells.size(); ++c) {
        const CellBox& cell = placed.row->cells[c];
        const LineRange range = placed.linesOf(c);
        const int y = textTop - placed.shiftOf(c);
        for (int i = range.first; i < range.end; ++i) {
            const CellLine& line = cell.lines[static_cast<std::size_t>(i)];
            recordLine(list, line.box(), QPoint(placed.x + cell.textLeft, y + line.top), origin);
        }
    }
}

} // namespace

QSize pagePictureTwips(const Page& page, const Section& section) {
    const int width = std::max(section.textWidth(), page.right - section.marginLeft);
    return {width, std::max(page.bottom, 1)};
}

platform::Picture recordPage(const Page& page, const Section& section) {
    platform::DisplayList list;
    list.size = pagePictureTwips(page, section);
    const QPoint origin(-section.marginLeft, 0);
    const RuleRecorder rules(list, origin);
    for (const PageRow& row : page.rows)
        rules.recordRow(row);
    for (const PageLine& line : page.lines)
        recordLine(list, line.paragraph->lines[static_cast<std::size_t>(line.line)],
                   QPoint(line.x, line.y), origin);
    for (const PageRow& row : page.rows)
        recordRowText(list, row, origin);
    return platform::Picture(std::move(list));
}

platform::Picture recordPage(Layout& layout, int index) {
    return recordPage(layout.page(index), layout.document().section);
}

QImage renderPage(const Page& page, const Section& section, RenderOptions options) {
    return recordPage(page, section).toImage(options.dpi);
}

QImage renderPage(Layout& layout, int index, RenderOptions options) {
    return renderPage(layout.page(index), layout.document().section, options);
}

} // namespace word

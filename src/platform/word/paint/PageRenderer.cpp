#include "PageRenderer.h"

#include "RulePainter.h"

#include "platform/picture/Picture.h"

#include <QPainter>

#include <algorithm>

namespace word {

namespace {

// A face without bold outlines is emboldened as FreeType does it, by a 24th
// of the em: the glyphs drawn again that much to the right.
void drawEmboldened(QPainter& painter, QPointF at, const GlyphPiece& piece) {
    const double strength = piece.glyphs.rawFont().pixelSize() / 24.0;
    const int steps = 3;
    for (int i = 0; i <= steps; ++i)
        painter.drawGlyphRun(at + QPointF(strength * i / steps, 0), piece.glyphs);
}

void drawLine(QPainter& painter, const PageLine& placed, QPointF origin) {
    const LineBox& line = placed.paragraph->lines[static_cast<std::size_t>(placed.line)];
    const QPointF at = origin + QPointF(placed.x, placed.y);
    for (const GlyphPiece& piece : line.pieces) {
        painter.setPen(piece.color);
        if (piece.embolden)
            drawEmboldened(painter, at + piece.offset, piece);
        else
            painter.drawGlyphRun(at + piece.offset, piece.glyphs);
    }
}

void drawRowText(QPainter& painter, const PageRow& placed, QPointF origin) {
    const int textTop = placed.y + borderTwips(placed.above);
    for (const CellBox& cell : placed.row->cells) {
        for (const PlacedParagraph& p : cell.paragraphs) {
            int y = textTop + p.y + p.box->spacingBefore;
            for (std::size_t i = 0; i < p.box->lines.size(); ++i) {
                drawLine(painter, PageLine{p.box, static_cast<int>(i), placed.x + cell.textLeft, y},
                         origin);
                y += p.box->lines[i].height;
            }
        }
    }
}

} // namespace

QSize pagePictureTwips(const Page& page, const Section& section) {
    const int width = std::max(section.textWidth(), page.right - section.marginLeft);
    return {width, std::max(page.bottom, 1)};
}

QImage renderPage(const Page& page, const Section& section, RenderOptions options) {
    const QSize twips = pagePictureTwips(page, section);
    QImage picture = platform::makePicture(twips, options.dpi);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const RulePainter rules(painter, options.dpi, QPoint(-section.marginLeft, 0));
    for (const PageRow& row : page.rows)
        rules.drawRow(row);
    painter.save();
    painter.scale(options.dpi / 1440.0, options.dpi / 1440.0);
    const QPointF origin(-section.marginLeft, 0);
    for (const PageLine& line : page.lines)
        drawLine(painter, line, origin);
    for (const PageRow& row : page.rows)
        drawRowText(painter, row, origin);
    painter.restore();
    return picture;
}

QImage renderPage(Layout& layout, int index, RenderOptions options) {
    return renderPage(layout.page(index), layout.document().section, options);
}

} // namespace word

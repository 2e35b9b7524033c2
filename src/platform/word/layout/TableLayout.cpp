#include "TableLayout.h"

#include <QStringList>

#include <numeric>

namespace word {

namespace {

QStringList linesOf(const ParagraphBox& box) {
    QStringList lines;
    for (const LineBox& line : box.lines)
        lines << line.text;
    return lines;
}

} // namespace

int columnWidthAsLaidOut(int twips) {
    const qint64 hundredths = (qint64(twips) * 127 + 71) / 72;
    return static_cast<int>((hundredths * 144 + 127) / 254);
}

std::shared_ptr<const RowBox> layoutRow(const Table& table, int rowIndex, const TableFormat& format,
                                        const Styles& styles, int tabStop, FontCache& fonts) {
    auto row = std::make_shared<RowBox>();
    const Row& source = table.rows[static_cast<std::size_t>(rowIndex)];
    const int half = borderTwips(format.left) / 2;
    int left = half;
    QStringList text;
    for (std::size_t c = 0; c < source.cells.size(); ++c) {
        const Cell& cell = source.cells[c];
        const int width = c < table.gridColumns.size() ? table.gridColumns[c] : cell.widthTwips;
        CellBox box;
        box.left = left;
        box.width = width;
        box.textLeft = left + format.cellMargins.left;
        box.diagonalDown = cell.diagonalDown;
        box.diagonalUp = cell.diagonalUp;
        const ParagraphContext context{styles, format.style,
                                       std::max(1, columnWidthAsLaidOut(width) -
                                                       format.cellMargins.left -
                                                       format.cellMargins.right),
                                       tabStop};
        int y = format.cellMargins.top;
        for (const Paragraph& p : cell.paragraphs) {
            auto laid = layoutParagraph(p, context, fonts);
            text << linesOf(*laid);
            box.paragraphs.push_back({laid, y});
            y = addExtent(y, laid->height());
        }
        box.height = addExtent(y, format.cellMargins.bottom);
        row->contentHeight = std::max(row->contentHeight, box.height);
        row->cells.push_back(std::move(box));
        left += width;
    }
    row->text = text.join(QLatin1Char('\n'));
    return row;
}

} // namespace word

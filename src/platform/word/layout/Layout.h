#pragma once

#include "../editing/ChangeSink.h"
#include "../model/Document.h"
#include "FontCache.h"
#include "Page.h"

#include <QStringList>

namespace word {

// The pages of a document, computed as far as they are asked for. Laid-out
// paragraphs and table rows are kept until the editor reports them changed,
// so removing the first page lays out again only what changed and paginates
// only as far as the next question needs.
class Layout final : public ChangeSink {
public:
    Layout(const DocumentModel& doc, FontCache& fonts);

    const DocumentModel& document() const { return m_doc; }
    int pageCount();
    bool hasPage(int index);
    const Page& page(int index);
    // The page holding pos (the last page when pos lies beyond the end).
    int pageOf(const Position& pos);
    QStringList pageTexts();
    // The laid-out lines of body paragraph `block`.
    const ParagraphBox& bodyParagraph(int block) { return *paragraphBox(block); }

    void blockChanged(int block) override;
    void blocksInserted(int first, int count) override;
    void blocksErased(int first, int count) override;
    void rowChanged(int block, int row) override;
    void rowsErased(int block, int first, int count) override;
    void invalidateAll();

private:
    struct BlockCache {
        std::shared_ptr<const ParagraphBox> paragraph;
        std::optional<TableFormat> table;
        std::vector<std::shared_ptr<const RowBox>> rows;
    };
    struct Cursor {
        int block = 0;
        int item = 0; // line of a paragraph, row of a table
        int y = 0;
        int pendingAfter = 0;
        bool done = false;
        // Of a table row going on from the page before: each cell's first
        // line still to place.
        std::vector<int> cellLines;
    };

    bool paginateNext();
    void placeParagraph(const ParagraphBox& box, std::shared_ptr<const ParagraphBox> shared);
    void placeRow(const Table& table);
    std::vector<LineRange> fittingCellLines(const RowBox& box, const std::vector<int>& firsts,
                                            int textTop, const Border& closing) const;
    static int keepCellLines(const std::vector<CellLine>& lines, int first, int end);
    void placeRowPart(const TableFormat& format, const std::shared_ptr<const RowBox>& box, int top,
                      const Border& above, std::vector<LineRange> part, bool last);
    void ruleUnderSplit(const Border& insideH, int nextRow);
    void closePage();
    Page& openPage();
    int fittingLines(const ParagraphBox& box, int first, int top) const;
    int keepLines(const ParagraphBox& box, int first, int fitting) const;
    std::shared_ptr<const ParagraphBox> paragraphBox(int block);
    const TableFormat& tableFormat(int block);
    std::shared_ptr<const RowBox> rowBox(int block, int row);
    void pagesChanged();

    const DocumentModel& m_doc;
    FontCache& m_fonts;
    std::vector<BlockCache> m_blocks;
    std::vector<Page> m_pages;
    std::optional<Page> m_open;
    Cursor m_cursor;
};

} // namespace word

#include "Layout.h"

#include "platform/errors/RuntimeError.h"

#include <QCoreApplication>
#include <algorithm>

namespace word {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace

Layout::Layout(const DocumentModel& doc, FontCache& fonts)
    : m_doc(doc), m_fonts(fonts), m_blocks(doc.body.size()) {}

// --- cache upkeep -----------------------------------------------------------

void Layout::pagesChanged() {
    m_pages.clear();
    m_open.reset();
    m_cursor = {};
}

void Layout::invalidateAll() {
    m_blocks.assign(m_doc.body.size(), {});
    pagesChanged();
}

void Layout::blockChanged(int block) {
    if (block >= 0 && at(block) < m_blocks.size())
        m_blocks[at(block)] = {};
    pagesChanged();
}

void Layout::blocksInserted(int first, int count) {
    if (at(first) > m_blocks.size())
        return invalidateAll();
    m_blocks.insert(m_blocks.begin() + first, at(count), BlockCache{});
    pagesChanged();
}

void Layout::blocksErased(int first, int count) {
    if (at(first + count) > m_blocks.size())
        return invalidateAll();
    m_blocks.erase(m_blocks.begin() + first, m_blocks.begin() + first + count);
    pagesChanged();
}

void Layout::rowChanged(int block, int row) {
    if (at(block) >= m_blocks.size())
        return invalidateAll();
    auto& rows = m_blocks[at(block)].rows;
    if (at(row) < rows.size())
        rows[at(row)].reset();
    pagesChanged();
}

void Layout::rowsErased(int block, int first, int count) {
    if (at(block) >= m_blocks.size())
        return invalidateAll();
    auto& rows = m_blocks[at(block)].rows;
    if (at(first) < rows.size())
        rows.erase(rows.begin() + first,
                   rows.begin() + std::min<int>(first + count, static_cast<int>(rows.size())));
    pagesChanged();
}

std::shared_ptr<const ParagraphBox> Layout::paragraphBox(int block) {
    BlockCache& cache = m_blocks[at(block)];
    if (!cache.paragraph) {
        const ParagraphContext context{m_doc.styles, nullptr, m_doc.section.textWidth(),
                                       m_doc.settings.defaultTabStop};
        cache.paragraph =
            layoutParagraph(std::get<Paragraph>(m_doc.body[at(block)]), context, m_fonts);
    }
    return cache.paragraph;
}

const TableFormat& Layout::tableFormat(int block) {
    BlockCache& cache = m_blocks[at(block)];
    if (!cache.table)
        cache.table = resolveTable(std::get<Table>(m_doc.body[at(block)]), m_doc.styles);
    return *cache.table;
}

std::shared_ptr<const RowBox> Layout::rowBox(int block, int row) {
    const Table& table = std::get<Table>(m_doc.body[at(block)]);
    BlockCache& cache = m_blocks[at(block)];
    if (cache.rows.size() != table.rows.size())
        cache.rows.assign(table.rows.size(), nullptr);
    auto& box = cache.rows[at(row)];
    if (!box)
        box = layoutRow(table, row, tableFormat(block), m_doc.styles, m_doc.settings.defaultTabStop,
                        m_fonts);
    return box;
}

// --- pagination -------------------------------------------------------------

Page& Layout::openPage() {
    if (!m_open) {
        m_open.emplace();
        const int block = m_cursor.block;
        if (block >= static_cast<int>(m_doc.body.size()))
            m_open->start = Position::body(block);
        else if (std::holds_alternative<Table>(m_doc.body[at(block)]))
            m_open->start = Position::inCell(block, m_cursor.item, 0);
        else
            m_open->start =
                Position::body(block, paragraphBox(block)->lines[at(m_cursor.item)].start);
    }
    return *m_open;
}

void Layout::closePage() {
    openPage();
    m_pages.push_back(std::move(*m_open));
    m_open.reset();
    m_cursor.y = 0;
    m_cursor.pendingAfter = 0;
}

// A line fits when its text does: the extra of multiple line spacing, which
// lies below the text, may reach past the bottom margin.
int Layout::fittingLines(const ParagraphBox& box, int first, int top) const {
    const int limit = m_doc.section.textHeight();
    int y = top;
    int count = 0;
    for (std::size_t i = at(first); i < box.lines.size(); ++i) {
        y += box.lines[i].height;
        if (y - box.lines[i].surplus > limit)
            break;
        ++count;
    }
    return count;
}

// Widow and orphan control: at least two lines of a paragraph on each side
// of a page break.
int Layout::keepLines(const ParagraphBox& box, int first, int fitting) const {
    if (!box.widowControl)
        return fitting;
    const int total = static_cast<int>(box.lines.size());
    int take = fitting;
    if (total - first - take == 1)
        --take;
    if (first == 0 && take < 2)
        take = 0;
    return std::max(take, 0);
}

void Layout::placeParagraph(const ParagraphBox& box, std::shared_ptr<const ParagraphBox> shared) {
    const bool empty = !m_open;
    const int first = m_cursor.item;
    const int total = static_cast<int>(box.lines.size());
    int top = m_cursor.y;
    if (first == 0)
        top += (empty ? 0 : m_cursor.pendingAfter) + box.spacingBefore;
    const int fitting = fittingLines(box, first, top);
    int take = fitting >= total - first ? total - first : keepLines(box, first, fitting);
    if (take == 0 && empty)
        take = std::max(1, fitting);
    if (take > 0) {
        Page& page = openPage();
        const int x = m_doc.section.marginLeft;
        for (int i = first; i < first + take; ++i) {
            const LineBox& line = box.lines[at(i)];
            page.lines.push_back({shared, i, x, top});
            page.right = std::max(page.right, x + line.right);
            top += line.height;
            page.bottom = std::max(page.bottom, top);
            page.text += line.text + QLatin1Char('\n');
        }
    }
    if (first + take == total) {
        m_cursor.y = top;
        m_cursor.pendingAfter = box.spacingAfter;
        ++m_cursor.block;
        m_cursor.item = 0;
    } else {
        m_cursor.item = first + take;
        closePage();
    }
}

// The lines of each cell of `box` from `firsts` on (all of them when
// empty) that fit between `textTop` and the page's end.
std::vector<LineRange> Layout::fittingCellLines(const RowBox& box, const std::vector<int>& firsts,
                                                int textTop, const Border& closing) const {
    const int limit = m_doc.section.textHeight() - box.marginBottom - borderTwips(closing);
    std::vector<LineRange> ranges;
    for (std::size_t c = 0; c < box.cells.size(); ++c) {
        const auto& lines = box.cells[c].lines;
        const int first = firsts.empty() ? 0 : firsts[c];
        const int shift =
            first == 0 || at(first) >= lines.size() ? 0 : lines[at(first)].top - box.marginTop;
        int end = first;
        while (at(end) < lines.size()) {
            const LineBox& line = lines[at(end)].box();
            if (textTop + lines[at(end)].top - shift + line.height - line.surplus > limit)
                break;
            ++end;
        }
        ranges.push_back({first, keepCellLines(lines, first, end)});
    }
    return ranges;
}

// Widow control at the end of a cell's lines on a page: a paragraph's
// last line does not go on alone. LibreOffice leaves a first line alone at
// the end of the page.
int Layout::keepCellLines(const std::vector<CellLine>& lines, int first, int end) {
    if (at(end) >= lines.size() || end <= first)
        return end;
    const CellLine& next = lines[at(end)];
    if (next.line == 0 || !next.paragraph->widowControl)
        return end;
    const int total = static_cast<int>(next.paragraph->lines.size());
    if (total - next.line == 1)
        --end; // no widow
    return end;
}

void Layout::placeRow(const Table& table) {
    const int block = m_cursor.block;
    const int row = m_cursor.item;
    const int rows = static_cast<int>(table.rows.size());
    if (row >= rows) {
        ++m_cursor.block;
        m_cursor.item = 0;
        return;
    }
    const TableFormat& format = tableFormat(block);
    auto box = rowBox(block, row);
    const bool last = row == rows - 1;
    const Border above = row == 0 ? format.top : format.insideH;
    const int closing = last ? borderTwips(format.bottom) : 0;
    const int height = borderTwips(above) + box->contentHeight + closing;
    const bool empty = !m_open;
    const int top = m_cursor.y + (row == 0 && !empty ? m_cursor.pendingAfter : 0);
    const int limit = m_doc.section.textHeight();
    const bool continued = !m_cursor.cellLines.empty();
    if (!continued && (top + height <= limit || (empty && box->cantSplit && height <= limit)))
        return placeRowPart(format, box, top, above, {}, last);
    // A row kept together goes to the next page, to be split there when
    // it is taller than a page; one with a paragraph taller than the rest
    // of this page is split where it stands, as LibreOffice does.
    const bool splitsHere =
        !box->cantSplit || (height > limit && box->tallestParagraph > limit - top);
    if (!continued && !empty && !splitsHere) {
        ruleUnderSplit(format.insideH, row);
        closePage();
        return;
    }
    std::vector<LineRange> part = fittingCellLines(
        *box, m_cursor.cellLines, top + borderTwips(above), last ? format.bottom : format.insideH);
    const bool any =
        std::any_of(part.begin(), part.end(), [](const LineRange& r) { return r.end > r.first; });
    if (!any && !empty) {
        ruleUnderSplit(format.insideH, row);
        closePage();
        return;
    }
    if (!any)
        for (std::size_t c = 0; c < part.size(); ++c)
            part[c].end = std::min<int>(part[c].first + 1, box->cells[c].lines.size());
    placeRowPart(format, box, top, above, std::move(part), last);
}

// Places the lines `part` of each cell of the row (all when empty); when
// some cell's lines go on, the row's part is closed by the rule under it
// and the page ends.
void Layout::placeRowPart(const TableFormat& format, const std::shared_ptr<const RowBox>& box,
                          int top, const Border& above, std::vector<LineRange> part, bool last) {
    bool done = true;
    int content = part.empty() ? box->contentHeight : 0;
    QString text = part.empty() ? box->text : QString();
    for (std::size_t c = 0; c < part.size(); ++c) {
        const CellBox& cell = box->cells[c];
        const LineRange range = part[c];
        done &= at(range.end) == cell.lines.size();
        if (range.end <= range.first)
            continue;
        const int shift = range.first == 0 ? 0 : cell.lines[at(range.first)].top - box->marginTop;
        const CellLine& lastLine = cell.lines[at(range.end - 1)];
        const int bottom = at(range.end) == cell.lines.size()
                               ? cell.height
                               : lastLine.top + lastLine.box().height + box->marginBottom;
        content = std::max(content, bottom - shift);
        for (int i = range.first; i < range.end; ++i)
            text += cell.lines[at(i)].box().text + QLatin1Char('\n');
    }
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    const Border& under = last ? format.bottom : format.insideH;
    const int closing = done && !last ? 0 : borderTwips(under);
    const int height = borderTwips(above) + content + closing;
    Page& page = openPage();
    const int x = m_doc.section.marginLeft + format.indent;
    PageRow placed{box,          x,           top,          height,         above,
                   std::nullopt, format.left, format.right, format.insideV, {}};
    if (last || !done)
        placed.below = under;
    std::vector<int> next;
    if (!done)
        for (const LineRange& range : part)
            next.push_back(range.end);
    placed.part = std::move(part);
    page.rows.push_back(std::move(placed));
    const int right = box->cells.empty() ? 0 : box->cells.back().left + box->cells.back().width;
    page.right = std::max(page.right, x + right + borderTwips(format.right) / 2);
    page.bottom = std::max(page.bottom, top + height);
    page.text += text + QLatin1Char('\n');
    m_cursor.cellLines = std::move(next);
    if (!done) {
        closePage();
        return;
    }
    m_cursor.y = top + height;
    m_cursor.pendingAfter = 0;
    if (last) {
        ++m_cursor.block;
        m_cursor.item = 0;
    } else {
        ++m_cursor.item;
    }
}

// A table that goes on on the next page gets its inside horizontal rule
// under its last row on this page, below the row's content.
void Layout::ruleUnderSplit(const Border& insideH, int nextRow) {
    if (nextRow == 0 || !m_open || m_open->rows.empty())
        return;
    PageRow& last = m_open->rows.back();
    if (last.below)
        return;
    last.below = insideH;
    last.height += borderTwips(insideH);
    m_open->bottom = std::max(m_open->bottom, last.y + last.height);
}

// Lays out until one more page is complete; false when there is none.
bool Layout::paginateNext() {
    const std::size_t before = m_pages.size();
    if (m_blocks.size() != m_doc.body.size())
        invalidateAll();
    while (m_pages.size() == before && !m_cursor.done) {
        const int block = m_cursor.block;
        if (block >= static_cast<int>(m_doc.body.size())) {
            if (m_open || m_pages.empty())
                closePage();
            m_cursor.done = true;
        } else if (const auto* table = std::get_if<Table>(&m_doc.body[at(block)])) {
            placeRow(*table);
        } else {
            auto box = paragraphBox(block);
            placeParagraph(*box, box);
        }
    }
    return m_pages.size() > before;
}

// --- questions ----------------------------------------------------------------

bool Layout::hasPage(int index) {
    while (static_cast<int>(m_pages.size()) <= index)
        if (!paginateNext())
            return false;
    return index >= 0;
}

const Page& Layout::page(int index) {
    if (!hasPage(index))
        throw platform::RuntimeError(QCoreApplication::translate(
            "RuntimeError", "The requested member of the collection does not exist."));
    return m_pages[at(index)];
}

int Layout::pageCount() {
    while (paginateNext()) {
    }
    return static_cast<int>(m_pages.size());
}

int Layout::pageOf(const Position& pos) {
    int index = 0;
    while (hasPage(index + 1) && !(pos < m_pages[at(index + 1)].start))
        ++index;
    return index;
}

QStringList Layout::pageTexts() {
    QStringList texts;
    for (int i = 0; i < pageCount(); ++i)
        texts << m_pages[at(i)].text;
    return texts;
}

} // namespace word

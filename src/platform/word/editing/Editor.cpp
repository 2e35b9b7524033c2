#include "Editor.h"

#include "platform/errors/RuntimeError.h"

#include <QCoreApplication>
#include <algorithm>

namespace word {

namespace {

const char* const kBadSelection =
    QT_TRANSLATE_NOOP("RuntimeError", "This method or property is not available because "
                                      "the current selection cannot be deleted as a whole.");

bool sameParagraph(const Position& a, const Position& b) {
    return a.block == b.block && a.row == b.row && a.cell == b.cell && a.paragraph == b.paragraph;
}

bool sameCell(const Position& a, const Position& b) {
    return a.block == b.block && a.row == b.row && a.cell == b.cell && a.inTable();
}

// Splits the runs of `p` at `offset`; returns the index of the first run at or after it.
int splitRunsAt(Paragraph& p, int offset) {
    int start = 0;
    for (int i = 0; i < static_cast<int>(p.runs.size()); ++i) {
        const int length = static_cast<int>(p.runs[i].text.size());
        if (offset == start)
            return i;
        if (offset < start + length) {
            Run tail{p.runs[i].properties, p.runs[i].text.mid(offset - start)};
            p.runs[i].text.truncate(offset - start);
            p.runs.insert(p.runs.begin() + i + 1, std::move(tail));
            return i + 1;
        }
        start += length;
    }
    return static_cast<int>(p.runs.size());
}

void mergeNeighbours(Paragraph& p) {
    std::erase_if(p.runs, [](const Run& r) { return r.text.isEmpty(); });
    for (std::size_t i = 1; i < p.runs.size();) {
        if (p.runs[i].properties == p.runs[i - 1].properties) {
            p.runs[i - 1].text += p.runs[i].text;
            p.runs.erase(p.runs.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

// A paragraph with text carries the formatting of its last character on its mark.
void settleMark(Paragraph& p, const RunProperties& emptyFormat) {
    p.properties.markRunProperties = p.runs.empty() ? emptyFormat : p.runs.back().properties;
}

} // namespace

Paragraph& Editor::paragraphAt(const Position& pos) {
    return const_cast<Paragraph&>(std::as_const(*this).paragraphAt(pos));
}

const Paragraph& Editor::paragraphAt(const Position& pos) const {
    if (pos.block < 0 || pos.block >= blockCount())
        throw platform::RuntimeError(QCoreApplication::translate(
            "RuntimeError", "The requested member of the collection does not exist."));
    const BodyElement& element = m_doc.body[static_cast<std::size_t>(pos.block)];
    if (!pos.inTable())
        return std::get<Paragraph>(element);
    const Table& table = std::get<Table>(element);
    return table.rows.at(static_cast<std::size_t>(pos.row))
        .cells.at(static_cast<std::size_t>(pos.cell))
        .paragraphs.at(static_cast<std::size_t>(pos.paragraph));
}

Table& Editor::tableAt(int block) {
    if (!isTable(block))
        throw platform::RuntimeError(QCoreApplication::translate(
            "RuntimeError", "The requested member of the collection does not exist."));
    return std::get<Table>(m_doc.body[static_cast<std::size_t>(block)]);
}

bool Editor::isTable(int block) const {
    return block >= 0 && block < blockCount() &&
           std::holds_alternative<Table>(m_doc.body[static_cast<std::size_t>(block)]);
}

Position Editor::documentStart() const {
    return isTable(0) ? Position::inCell(0, 0, 0) : Position::body(0);
}

Position Editor::documentEnd() const {
    const int last = blockCount() - 1;
    return Position::body(last, paragraphAt(Position::body(last)).length());
}

bool Editor::atParagraphEnd(const Position& pos) const {
    return pos.offset >= paragraphAt(pos).length();
}

void Editor::notifyParagraph(const Position& pos) {
    if (pos.inTable())
        m_sink.rowChanged(pos.block, pos.row);
    else
        m_sink.blockChanged(pos.block);
}

void Editor::insertText(Position& pos, const QString& text, const RunProperties& format) {
    if (text.isEmpty())
        return;
    Paragraph& p = paragraphAt(pos);
    const int at = splitRunsAt(p, std::clamp(pos.offset, 0, p.length()));
    p.runs.insert(p.runs.begin() + at, Run{format, text});
    mergeNeighbours(p);
    pos.offset += static_cast<int>(text.size());
    settleMark(p, format);
    notifyParagraph(pos);
}

void Editor::splitParagraph(Position& pos, const RunProperties& format) {
    Paragraph& p = paragraphAt(pos);
    Paragraph next;
    next.properties = p.properties;
    const int at = splitRunsAt(p, std::clamp(pos.offset, 0, p.length()));
    next.runs.assign(std::make_move_iterator(p.runs.begin() + at),
                     std::make_move_iterator(p.runs.end()));
    p.runs.erase(p.runs.begin() + at, p.runs.end());
    settleMark(p, format);
    if (next.runs.empty())
        next.properties.markRunProperties = format;
    if (pos.inTable()) {
        auto& paragraphs = tableAt(pos.block)
                               .rows[static_cast<std::size_t>(pos.row)]
                               .cells[static_cast<std::size_t>(pos.cell)]
                               .paragraphs;
        paragraphs.insert(paragraphs.begin() + pos.paragraph + 1, std::move(next));
        ++pos.paragraph;
        m_sink.rowChanged(pos.block, pos.row);
    } else {
        m_doc.body.insert(m_doc.body.begin() + pos.block + 1, std::move(next));
        m_sink.blockChanged(pos.block);
        m_sink.blocksInserted(pos.block + 1, 1);
        ++pos.block;
    }
    pos.offset = 0;
}

void Editor::setMarkFormat(const Position& pos, const RunProperties& format) {
    Paragraph& p = paragraphAt(pos);
    if (!p.isEmpty() || p.properties.markRunProperties == format)
        return;
    p.properties.markRunProperties = format;
    notifyParagraph(pos);
}

void Editor::forEachParagraph(const Position& from, const Position& to,
                              const std::function<void(const Position&, int, int)>& visit) const {
    for (int block = from.block; block <= to.block && block < blockCount(); ++block) {
        if (!isTable(block)) {
            const Position at = Position::body(block);
            const int length = paragraphAt(at).length();
            visit(at, block == from.block ? from.offset : 0,
                  block == to.block ? to.offset : length);
            continue;
        }
        const Table& table = std::get<Table>(m_doc.body[static_cast<std::size_t>(block)]);
        for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
            const Row& row = table.rows[static_cast<std::size_t>(r)];
            for (int c = 0; c < static_cast<int>(row.cells.size()); ++c) {
                const auto& paragraphs = row.cells[static_cast<std::size_t>(c)].paragraphs;
                for (int p = 0; p < static_cast<int>(paragraphs.size()); ++p) {
                    const Position at = Position::inCell(block, r, c, p);
                    const int length = paragraphs[static_cast<std::size_t>(p)].length();
                    const Position end = Position::inCell(block, r, c, p, length);
                    if (end < from || !(at < to || (at == to && length == 0)))
                        continue;
                    const int a = at < from ? from.offset : 0;
                    const int b = to < end ? to.offset : length;
                    visit(at, a, b);
                }
            }
        }
    }
}

void Editor::formatRange(const Position& from, const Position& to,
                         const std::function<void(RunProperties&)>& change) {
    forEachParagraph(from, to, [&](const Position& at, int a, int b) {
        Paragraph& p = paragraphAt(at);
        if (a >= b)
            return;
        const int first = splitRunsAt(p, a);
        const int last = splitRunsAt(p, b);
        for (int i = first; i < last; ++i)
            change(p.runs[static_cast<std::size_t>(i)].properties);
        mergeNeighbours(p);
        settleMark(p, p.properties.markRunProperties);
        notifyParagraph(at);
    });
}

void Editor::setAlignment(const Position& pos, Alignment alignment) {
    paragraphAt(pos).properties.alignment = alignment;
    notifyParagraph(pos);
}

RunProperties Editor::formatAt(const Position& pos) const {
    const Paragraph& p = paragraphAt(pos);
    int start = 0;
    for (const Run& run : p.runs) {
        start += static_cast<int>(run.text.size());
        if (pos.offset <= start && pos.offset > 0)
            return run.properties;
    }
    if (pos.offset == 0 && !p.runs.empty())
        return p.runs.front().properties;
    return p.properties.markRunProperties;
}

Position Editor::insertTable(const Position& at, int rows, int columns, bool gridStyle) {
    if (at.inTable())
        throw platform::RuntimeError(QCoreApplication::translate(
            "RuntimeError", "This method or property is not available "
                            "because the object refers to a table cell."));
    if (rows < 1 || columns < 1 || columns > 63)
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "The number must be between 1 and 63."));
    Position pos = at;
    if (pos.offset > 0)
        splitParagraph(pos, formatAt(pos));
    Paragraph cellParagraph;
    cellParagraph.properties = paragraphAt(pos).properties;
    const int width = m_doc.section.textWidth() / columns;
    Table table;
    table.gridColumns.assign(static_cast<std::size_t>(columns), width);
    Row row;
    row.cells.assign(static_cast<std::size_t>(columns), Cell{width, {}, {}, {cellParagraph}});
    table.rows.assign(static_cast<std::size_t>(rows), row);
    if (!gridStyle) {
        table.styleId = QStringLiteral("TableNormal");
        const Border b{BorderStyle::Single, 4, Color::autoColor(), 0, false};
        table.borders = TableBorders{b, b, b, b, b, b};
    }
    m_doc.body.insert(m_doc.body.begin() + pos.block, std::move(table));
    m_sink.blocksInserted(pos.block, 1);
    return Position::inCell(pos.block, 0, 0);
}

void Editor::eraseText(Paragraph& p, int from, int to) {
    const int first = splitRunsAt(p, from);
    const int last = splitRunsAt(p, to);
    p.runs.erase(p.runs.begin() + first, p.runs.begin() + last);
    mergeNeighbours(p);
}

void Editor::joinParagraphs(Paragraph& first, Paragraph&& second, bool keepSecondProperties) {
    if (keepSecondProperties)
        first.properties = second.properties;
    for (Run& run : second.runs)
        first.runs.push_back(std::move(run));
    mergeNeighbours(first);
}

void Editor::erase(Position from, Position to) {
    if (!(from < to))
        return;
    if (sameParagraph(from, to)) {
        eraseText(paragraphAt(from), from.offset, to.offset);
        notifyParagraph(from);
    } else if (sameCell(from, to)) {
        auto& paragraphs = tableAt(from.block)
                               .rows[static_cast<std::size_t>(from.row)]
                               .cells[static_cast<std::size_t>(from.cell)]
                               .paragraphs;
        Paragraph& head = paragraphs[static_cast<std::size_t>(from.paragraph)];
        Paragraph tail = paragraphs[static_cast<std::size_t>(to.paragraph)];
        eraseText(head, from.offset, head.length());
        eraseText(tail, 0, to.offset);
        joinParagraphs(head, std::move(tail), from.offset == 0);
        paragraphs.erase(paragraphs.begin() + from.paragraph + 1,
                         paragraphs.begin() + to.paragraph + 1);
        m_sink.rowChanged(from.block, from.row);
    } else if (from.atRowStart() && to.atRowStart() && from.block == to.block) {
        Table& table = tableAt(from.block);
        table.rows.erase(table.rows.begin() + from.row, table.rows.begin() + to.row);
        m_sink.rowsErased(from.block, from.row, to.row - from.row);
    } else {
        eraseAcrossBlocks(from, to);
    }
}

// A range over several blocks: it may start at a paragraph position or at
// the start of a table row, and end at a paragraph position or at the start
// of a table row; whole rows go with it.
void Editor::eraseAcrossBlocks(Position from, Position to) {
    if ((from.inTable() && !from.atRowStart()) || (to.inTable() && !to.atRowStart()))
        throw platform::RuntimeError(QCoreApplication::translate("RuntimeError", kBadSelection));
    if (from.inTable() && from.row > 0) {
        Table& table = tableAt(from.block);
        const int rows = static_cast<int>(table.rows.size());
        table.rows.erase(table.rows.begin() + from.row, table.rows.end());
        m_sink.rowsErased(from.block, from.row, rows - from.row);
        from = Position::body(from.block + 1);
    } else if (from.inTable()) {
        from = Position::body(from.block);
    }
    if (!to.inTable()) {
        eraseBodyRange(from, to);
        return;
    }
    eraseBodyRange(from, Position::body(to.block));
    eraseRowsBefore(from.offset == 0 ? from.block : from.block + 1, to.row);
}

// [from, to) where both lie in body paragraphs, or `to` is the start of a
// block that may be a table.
void Editor::eraseBodyRange(Position from, Position to) {
    if (from.block == to.block) {
        if (!isTable(to.block))
            erase(from, to);
        return;
    }
    if (!isTable(to.block) && to.offset > 0) {
        Paragraph& last = paragraphAt(to);
        eraseText(last, 0, to.offset);
        m_sink.blockChanged(to.block);
    }
    int first = from.block;
    if (from.offset > 0) {
        Paragraph& head = paragraphAt(from);
        eraseText(head, from.offset, head.length());
        if (!isTable(to.block)) {
            joinParagraphs(head, std::move(std::get<Paragraph>(m_doc.body[to.block])), true);
            m_doc.body.erase(m_doc.body.begin() + to.block);
            m_sink.blocksErased(to.block, 1);
        }
        m_sink.blockChanged(from.block);
        ++first;
    }
    const int count = std::min(to.block, blockCount()) - first;
    if (count > 0) {
        m_doc.body.erase(m_doc.body.begin() + first, m_doc.body.begin() + first + count);
        m_sink.blocksErased(first, count);
    }
}

void Editor::eraseRowsBefore(int block, int row) {
    if (row <= 0 || !isTable(block))
        return;
    Table& table = tableAt(block);
    table.rows.erase(table.rows.begin(), table.rows.begin() + row);
    m_sink.rowsErased(block, 0, row);
}

void Editor::eraseForward(const Position& pos, int count) {
    for (int i = 0; i < count; ++i) {
        Paragraph& p = paragraphAt(pos);
        if (pos.offset < p.length()) {
            eraseText(p, pos.offset, pos.offset + 1);
            notifyParagraph(pos);
        } else if (!pos.inTable() && pos.block + 1 < blockCount() && !isTable(pos.block + 1)) {
            erase(pos, Position::body(pos.block + 1));
        } else {
            return;
        }
    }
}

Position Editor::nextCell(const Position& pos) const {
    if (!pos.inTable())
        throw platform::RuntimeError(QCoreApplication::translate(
            "RuntimeError", "This method or property is not available because the object "
                            "does not refer to a table."));
    const Table& table = std::get<Table>(m_doc.body[static_cast<std::size_t>(pos.block)]);
    const int cells = static_cast<int>(table.rows[static_cast<std::size_t>(pos.row)].cells.size());
    if (pos.cell + 1 < cells)
        return Position::inCell(pos.block, pos.row, pos.cell + 1);
    if (pos.row + 1 < static_cast<int>(table.rows.size()))
        return Position::inCell(pos.block, pos.row + 1, 0);
    return pos;
}

Position Editor::lineBelowInTable(const Position& pos) const {
    const Table& table = std::get<Table>(m_doc.body[static_cast<std::size_t>(pos.block)]);
    const Row& row = table.rows[static_cast<std::size_t>(pos.row)];
    const Cell& cell = row.cells[static_cast<std::size_t>(pos.cell)];
    if (pos.paragraph + 1 < static_cast<int>(cell.paragraphs.size()))
        return Position::inCell(pos.block, pos.row, pos.cell, pos.paragraph + 1);
    if (pos.row + 1 < static_cast<int>(table.rows.size())) {
        const int cells =
            static_cast<int>(table.rows[static_cast<std::size_t>(pos.row) + 1].cells.size());
        return Position::inCell(pos.block, pos.row + 1, std::min(pos.cell, cells - 1));
    }
    return Position::body(pos.block + 1);
}

} // namespace word

#include "Selection.h"

#include "Constants.h"
#include "Document.h"
#include "Errors.h"

#include <QRegularExpression>

#include <limits>

namespace word {

Document& Selection::document() {
    m_doc.checkOpen();
    return m_doc;
}

word::Range Selection::Range() {
    return word::Range(document().shared_from_this(), start(), end());
}

// A position that exists in the current body: clamped to it, and moved into
// a table's first cell when it names a table as if it were a paragraph.
Position Selection::normalized(Position pos) {
    Editor& editor = document().editor();
    pos.block = std::clamp(pos.block, 0, editor.blockCount() - 1);
    if (editor.isTable(pos.block) && !pos.inTable())
        return Position::inCell(pos.block, 0, 0);
    if (!editor.isTable(pos.block) && pos.inTable())
        return Position::body(pos.block);
    pos.offset = std::clamp(pos.offset, 0, editor.paragraphAt(pos).length());
    return pos;
}

void Selection::setRange(Position anchor, Position active) {
    m_anchor = normalized(anchor);
    m_active = normalized(active);
}

void Selection::collapseTo(Position pos) {
    setRange(pos, pos);
    m_format = document().editor().formatAt(m_active);
}

// Extending keeps the anchor where it is; moving collapses the selection.
void Selection::moveActive(Position pos, int extend) {
    if (extend == wd::Extend)
        setRange(m_anchor, pos);
    else
        collapseTo(pos);
}

void Selection::changeFormat(const std::function<void(RunProperties&)>& change) {
    Editor& editor = document().editor();
    change(m_format);
    if (collapsed())
        editor.setMarkFormat(m_active, m_format);
    else
        editor.formatRange(start(), end(), change);
}

void Selection::TypeText(const QString& text) {
    Editor& editor = document().editor();
    if (!collapsed()) {
        editor.erase(start(), end());
        setRange(start(), start());
    }
    static const QRegularExpression marks(QStringLiteral("\r\n|\r|\n"));
    const QStringList parts = text.split(marks);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            editor.splitParagraph(m_active, m_format);
        editor.insertText(m_active, parts[i], m_format);
    }
    m_anchor = m_active;
}

void Selection::TypeParagraph() {
    TypeText(QStringLiteral("\r"));
}

void Selection::setAlignment(Alignment alignment) {
    Editor& editor = document().editor();
    const Position from = start();
    const Position to = end();
    if (from.inTable() || to.inTable() || from.block == to.block) {
        editor.setAlignment(m_active, alignment);
        return;
    }
    for (int block = from.block; block <= to.block; ++block)
        if (!editor.isTable(block))
            editor.setAlignment(Position::body(block), alignment);
}

Alignment Selection::alignment() {
    const auto& p = document().editor().paragraphAt(m_active).properties;
    return p.alignment.value_or(Alignment::Left);
}

int Selection::MoveRight(int unit, int count, int extend) {
    Editor& editor = document().editor();
    if (unit == wd::Cell)
        return moveRepeatedly(count, extend, [&](Position pos) { return editor.nextCell(pos); });
    if (unit != wd::Character && count > 0)
        failBadParameter();
    return moveRepeatedly(count, extend, [&](Position pos) {
        if (!editor.atParagraphEnd(pos))
            ++pos.offset;
        else if (!pos.inTable() && pos.block + 1 < editor.blockCount())
            pos = normalized(Position::body(pos.block + 1));
        return pos;
    });
}

// Takes up to `count` steps from the active end, stopping where a step no
// longer moves; the number of steps taken.
int Selection::moveRepeatedly(int count, int extend,
                              const std::function<Position(Position)>& step) {
    Position pos = m_active;
    int moved = 0;
    for (; moved < count; ++moved) {
        const Position next = step(pos);
        if (next == pos)
            break;
        pos = next;
    }
    moveActive(pos, extend);
    return moved;
}

// The same character of the next line of a body paragraph, or the start
// of the block after it.
Position Selection::lineBelow(Position pos) {
    Editor& editor = document().editor();
    if (pos.inTable())
        return editor.lineBelowInTable(pos);
    const auto& lines = m_doc.layout().bodyParagraph(pos.block).lines;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (pos.offset >= lines[i + 1].start)
            continue;
        const LineBox& next = lines[i + 1];
        pos.offset = next.start +
                     std::min<int>(pos.offset - lines[i].start, static_cast<int>(next.text.size()));
        return pos;
    }
    if (pos.block + 1 < editor.blockCount())
        return Position::body(pos.block + 1);
    return editor.documentEnd();
}

int Selection::MoveDown(int unit, int count, int extend) {
    if (unit != wd::Line)
        failBadParameter();
    return moveRepeatedly(count, extend,
                          [this](Position pos) { return normalized(lineBelow(pos)); });
}

// The start of page `page`, or of the last page when there are fewer; only
// the pages up to it are laid out.
Position Selection::pageStart(int page) {
    Layout& layout = document().layout();
    page = std::max(page, 0);
    return layout.hasPage(page) ? layout.page(page).start
                                : layout.page(layout.pageCount() - 1).start;
}

word::Range Selection::GoTo(int what, int which, const QVariant& name, int count) {
    if (what != wd::GoToPage)
        failBadParameter();
    Layout& layout = document().layout();
    const int current = layout.pageOf(m_active);
    int target = current;
    if (which == wd::GoToAbsolute)
        target = (name.isValid() ? name.toInt() : count) - 1;
    else if (which == wd::GoToNext)
        target = current + count;
    else if (which == wd::GoToPrevious)
        target = std::max(0, current - count);
    else if (which == wd::GoToLast)
        target = std::numeric_limits<int>::max();
    else
        failBadParameter();
    collapseTo(pageStart(target));
    return Range();
}

int Selection::HomeKey(int unit, int extend) {
    if (unit != wd::Story)
        failBadParameter();
    moveActive(document().editor().documentStart(), extend);
    return 1;
}

int Selection::EndKey(int unit, int extend) {
    if (unit != wd::Story)
        failBadParameter();
    moveActive(document().editor().documentEnd(), extend);
    return 1;
}

int Selection::Delete(int unit, int count) {
    if (unit != wd::Character)
        failBadParameter();
    Editor& editor = document().editor();
    if (collapsed()) {
        editor.eraseForward(m_active, count);
        collapseTo(m_active);
        return count;
    }
    const Position from = start();
    editor.erase(from, end());
    collapseTo(from);
    return 1;
}

} // namespace word

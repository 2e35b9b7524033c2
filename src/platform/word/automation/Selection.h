#pragma once

#include "../editing/Position.h"
#include "../model/Properties.h"
#include "Constants.h"
#include "Font.h"
#include "ParagraphFormat.h"
#include "Range.h"

#include <QVariant>

#include <functional>

namespace word {

class Document;

// The insertion point or selected stretch of a document's window, with the
// formatting that the text typed next receives.
class Selection {
public:
    explicit Selection(Document& doc) : m_doc(doc) {}

    word::Font Font() { return word::Font(*this); }
    word::ParagraphFormat ParagraphFormat() { return word::ParagraphFormat(*this); }
    word::Range Range();

    // CR LF, a lone CR or a lone LF is a paragraph mark; typing replaces a selection.
    void TypeText(const QString& text);
    void TypeParagraph();
    // Cell: the next cell, from a row's last cell the next row's first;
    // Character. Returns how many units it moved.
    int MoveRight(int unit = wd::Character, int count = 1, int extend = wd::Move);
    // Line: the line below; from a table's last row out of the table.
    int MoveDown(int unit = wd::Line, int count = 1, int extend = wd::Move);
    // What: GoToPage; which: GoToAbsolute (page `name`), GoToNext,
    // GoToPrevious, GoToLast.
    word::Range GoTo(int what, int which, const QVariant& name = {}, int count = 1);
    // Story: the start of the document; Extend keeps the other end.
    int HomeKey(int unit = wd::Story, int extend = wd::Move);
    int EndKey(int unit = wd::Story, int extend = wd::Move);
    // Deletes the selection, or `count` characters after the insertion point.
    int Delete(int unit = wd::Character, int count = 1);

    Position start() const { return std::min(m_anchor, m_active); }
    Position end() const { return std::max(m_anchor, m_active); }
    bool collapsed() const { return m_anchor == m_active; }
    void setRange(Position anchor, Position active);
    void collapseTo(Position pos);

    // For Font: the formatting for the text typed next, and a change of it
    // that also applies to the selected text.
    const RunProperties& insertionFormat() const { return m_format; }
    void changeFormat(const std::function<void(RunProperties&)>& change);
    // For ParagraphFormat: the paragraphs the selection touches.
    void setAlignment(Alignment alignment);
    Alignment alignment();
    Document& document();

private:
    Position normalized(Position pos);
    void moveActive(Position pos, int extend);
    int moveRepeatedly(int count, int extend, const std::function<Position(Position)>& step);
    Position lineBelow(Position pos);
    Position pageStart(int page);

    Document& m_doc;
    Position m_anchor;
    Position m_active;
    RunProperties m_format;
};

} // namespace word

#pragma once

#include "../editing/Position.h"
#include "../model/Properties.h"
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
    // Unit 12 (cell): the next cell, from a row's last cell the next row's
    // first; unit 1 (character). Returns how many units it moved.
    int MoveRight(int unit = 1, int count = 1, int extend = 0);
    // Unit 5 (line): the line below; from a table's last row out of the table.
    int MoveDown(int unit = 5, int count = 1, int extend = 0);
    // What 1 (page); Which 1 absolute (page `name`), 2 next, 3 previous, -1 last.
    word::Range GoTo(int what, int which, const QVariant& name = {}, int count = 1);
    // Unit 6 (story): the start of the document; extend 1 keeps the other end.
    int HomeKey(int unit = 6, int extend = 0);
    int EndKey(int unit = 6, int extend = 0);
    // Deletes the selection, or `count` characters after the insertion point.
    int Delete(int unit = 1, int count = 1);

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

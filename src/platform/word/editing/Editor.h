#pragma once

#include "../model/Document.h"
#include "ChangeSink.h"
#include "Position.h"

#include <functional>

namespace word {

// Edits a document model the way a word processor's keyboard does. Every
// change is reported to the change sink.
class Editor {
public:
    Editor(DocumentModel& doc, ChangeSink& sink) : m_doc(doc), m_sink(sink) {}

    Paragraph& paragraphAt(const Position& pos);
    const Paragraph& paragraphAt(const Position& pos) const;
    Table& tableAt(int block);
    bool isTable(int block) const;
    int blockCount() const { return static_cast<int>(m_doc.body.size()); }
    Position documentStart() const;
    Position documentEnd() const;
    bool atParagraphEnd(const Position& pos) const;

    // Inserts text without paragraph marks; pos moves past it.
    void insertText(Position& pos, const QString& text, const RunProperties& format);
    // Ends the paragraph at pos; the new paragraph inherits its formatting
    // and its mark takes `format`. pos moves to the start of the new one.
    void splitParagraph(Position& pos, const RunProperties& format);
    void setMarkFormat(const Position& pos, const RunProperties& format);
    // Changes the character formatting of the text in [from, to).
    void formatRange(const Position& from, const Position& to,
                     const std::function<void(RunProperties&)>& change);
    void setAlignment(const Position& pos, Alignment alignment);
    // The character formatting in effect at pos: that of the character
    // before it, else of the paragraph mark.
    RunProperties formatAt(const Position& pos) const;

    // A table before pos's paragraph (splitting it when pos is inside);
    // returns the position in its first cell.
    Position insertTable(const Position& pos, int rows, int columns, bool gridStyle);
    void tableChanged(int block) { m_sink.blockChanged(block); }

    // Removes [from, to). Whole table rows inside the range go with it.
    void erase(Position from, Position to);
    // Removes `count` characters after pos (a paragraph mark joins paragraphs).
    void eraseForward(const Position& pos, int count);

    // The first cell of the next row, or the next cell of this row.
    Position nextCell(const Position& pos) const;
    // The same cell in the row below, or the paragraph after the table.
    Position lineBelowInTable(const Position& pos) const;

private:
    void notifyParagraph(const Position& pos);
    void eraseText(Paragraph& paragraph, int from, int to);
    void eraseAcrossBlocks(Position from, Position to);
    void eraseBodyRange(Position from, Position to);
    void eraseRowsBefore(int block, int row);
    // Calls `visit` for each paragraph that [from, to) touches, with the
    // paragraph's position and the stretch of it inside the range.
    void forEachParagraph(const Position& from, const Position& to,
                          const std::function<void(const Position&, int, int)>& visit) const;
    void joinParagraphs(Paragraph& first, Paragraph&& second, bool keepSecondProperties);

    DocumentModel& m_doc;
    ChangeSink& m_sink;
};

} // namespace word

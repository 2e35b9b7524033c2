#pragma once

namespace word {

class Selection;

// Selection.ParagraphFormat: alignments as wd::ParagraphAlignment names them.
class ParagraphFormat {
public:
    explicit ParagraphFormat(Selection& selection) : m_selection(selection) {}
    int Alignment() const;
    void setAlignment(int alignment);

private:
    Selection& m_selection;
};

} // namespace word

#pragma once

namespace word {

class Selection;

// Selection.ParagraphFormat: 0 left, 1 centre, 2 right, 3 justified.
class ParagraphFormat {
public:
    explicit ParagraphFormat(Selection& selection) : m_selection(selection) {}
    int Alignment() const;
    void setAlignment(int alignment);

private:
    Selection& m_selection;
};

} // namespace word

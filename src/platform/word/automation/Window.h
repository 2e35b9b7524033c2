#pragma once

#include "Selection.h"

namespace word {

class Document;

// A document's window; the engine draws nothing, it only keeps the selection.
class Window {
public:
    explicit Window(Document& doc) : m_selection(doc) {}
    word::Selection& Selection() { return m_selection; }

private:
    word::Selection m_selection;
};

} // namespace word

#include "Tables.h"

#include "Constants.h"
#include "Document.h"
#include "Errors.h"

namespace word {

std::shared_ptr<TableObject> Tables::Add(const word::Range& range, int numRows, int numColumns,
                                         int defaultTableBehavior, int autoFitBehavior) {
    m_doc->checkOpen();
    if (&range.document() != m_doc.get() || autoFitBehavior < wd::AutoFitFixed ||
        autoFitBehavior > wd::AutoFitWindow)
        failBadParameter();
    Editor& editor = m_doc->editor();
    if (range.start() != range.end())
        editor.erase(range.start(), range.end());
    const Position cell = editor.insertTable(range.start(), numRows, numColumns,
                                             defaultTableBehavior == wd::Word9TableBehavior);
    m_doc->ActiveWindow().Selection().collapseTo(cell);
    return std::make_shared<TableObject>(m_doc, cell.block);
}

int Tables::Count() const {
    m_doc->checkOpen();
    int count = 0;
    for (const BodyElement& element : m_doc->model().body)
        count += std::holds_alternative<word::Table>(element) ? 1 : 0;
    return count;
}

std::shared_ptr<TableObject> Tables::Item(int index) const {
    m_doc->checkOpen();
    int seen = 0;
    const auto& body = m_doc->model().body;
    for (std::size_t b = 0; b < body.size(); ++b)
        if (std::holds_alternative<word::Table>(body[b]) && ++seen == index)
            return std::make_shared<TableObject>(m_doc, static_cast<int>(b));
    failNoMember();
}

} // namespace word

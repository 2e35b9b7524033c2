#pragma once

#include "Range.h"
#include "Table.h"

#include <memory>

namespace word {

class Document;

// Document.Tables.
class Tables {
public:
    explicit Tables(std::shared_ptr<Document> doc) : m_doc(std::move(doc)) {}

    // A table of fixed column widths at the range; the window's insertion
    // point moves into its first cell. Behaviour 1 gives the "Table Grid"
    // style, 0 plain single borders.
    std::shared_ptr<TableObject> Add(const word::Range& range, int numRows, int numColumns,
                                     int defaultTableBehavior = 0, int autoFitBehavior = 0);
    int Count() const;
    std::shared_ptr<TableObject> Item(int index) const; // 1-based

private:
    std::shared_ptr<Document> m_doc;
};

} // namespace word

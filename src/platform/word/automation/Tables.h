#pragma once

#include "Constants.h"
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
    // point moves into its first cell. Word9TableBehavior gives the "Table
    // Grid" style, Word8TableBehavior plain single borders.
    std::shared_ptr<TableObject> Add(const word::Range& range, int numRows, int numColumns,
                                     int defaultTableBehavior = wd::Word8TableBehavior,
                                     int autoFitBehavior = wd::AutoFitFixed);
    int Count() const;
    std::shared_ptr<TableObject> Item(int index) const; // 1-based

private:
    std::shared_ptr<Document> m_doc;
};

} // namespace word

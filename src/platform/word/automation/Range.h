#pragma once

#include "../editing/Position.h"

#include <QString>

#include <memory>

namespace word {

class Document;

// A stretch of a document between two positions.
class Range {
public:
    Range(std::shared_ptr<Document> doc, Position start, Position end)
        : m_doc(std::move(doc)), m_start(start), m_end(end) {}

    Position start() const { return m_start; }
    Position end() const { return m_end; }
    Document& document() const;
    // A picture of the first page the range's content lies on, on the clipboard.
    void CopyAsPicture() const;

private:
    std::shared_ptr<Document> m_doc;
    Position m_start;
    Position m_end;
};

} // namespace word

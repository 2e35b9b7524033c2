#pragma once

#include "Properties.h"

#include <vector>

namespace word {

// w:r. The text holds no paragraph marks; a '\t' is a w:tab element.
struct Run {
    RunProperties properties;
    QString text;
    bool operator==(const Run&) const = default;
};

// w:p.
struct Paragraph {
    ParagraphProperties properties;
    std::vector<Run> runs;

    QString text() const;
    int length() const { return static_cast<int>(text().size()); }
    bool isEmpty() const;
    bool operator==(const Paragraph&) const = default;
};

} // namespace word

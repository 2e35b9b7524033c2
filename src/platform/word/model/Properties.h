#pragma once

#include <QRgb>
#include <QString>

#include <optional>

namespace word {

// w:color: "auto" or an RGB value.
struct Color {
    bool automatic = true;
    QRgb rgb = 0; // 0xRRGGBB, ignored when automatic

    static Color autoColor() { return {}; }
    static Color fromRgb(QRgb value) { return {false, value & 0xFFFFFF}; }
    bool operator==(const Color&) const = default;
};

// w:rPr. An unset member is inherited from the document defaults.
struct RunProperties {
    std::optional<QString> font;       // w:rFonts w:ascii/w:hAnsi/w:cs
    std::optional<int> sizeHalfPoints; // w:sz (and w:szCs)
    std::optional<Color> color;        // w:color
    std::optional<bool> bold;          // w:b (and w:bCs)
    bool operator==(const RunProperties&) const = default;
};

// w:jc. The numbers are Word's paragraph alignment constants.
enum class Alignment { Left = 0, Center = 1, Right = 2, Both = 3 };

// w:spacing/@w:lineRule.
enum class LineRule { Auto, Exact, AtLeast };

// w:pPr. An unset member comes from the table style (inside a table) or the
// document defaults.
struct ParagraphProperties {
    std::optional<Alignment> alignment; // w:jc
    std::optional<int> spacingBefore;   // w:spacing/@w:before, twips
    std::optional<int> spacingAfter;    // w:spacing/@w:after, twips
    std::optional<int> line;            // w:spacing/@w:line: 240ths of a line (auto) or twips
    std::optional<LineRule> lineRule;   // w:spacing/@w:lineRule
    std::optional<bool> widowControl;   // w:widowControl
    // w:pPr/w:rPr: the paragraph mark's own character formatting; an empty
    // paragraph takes its height from it.
    RunProperties markRunProperties;
    bool operator==(const ParagraphProperties&) const = default;
};

} // namespace word

#pragma once

#include "Table.h"

#include <vector>

namespace word {

// w:docDefaults.
struct DocumentDefaults {
    RunProperties run;             // w:rPrDefault
    ParagraphProperties paragraph; // w:pPrDefault
    bool operator==(const DocumentDefaults&) const = default;
};

// A w:style of w:type="table".
struct TableStyle {
    QString styleId;               // w:styleId
    QString name;                  // w:name
    QString basedOn;               // w:basedOn (a styleId), empty for none
    ParagraphProperties paragraph; // w:pPr: applies to paragraphs in the table
    RunProperties run;             // w:rPr
    int indentTwips = 0;           // w:tblInd
    TableBorders borders;          // w:tblBorders
    CellMargins cellMargins;       // w:tblCellMar
    bool isDefault = false;        // w:default="1" ("Normal Table")
    bool operator==(const TableStyle&) const = default;
};

// w:styles, as far as the engine uses them. The paragraph style "Normal" is
// implied: it carries no properties of its own, everything sits in the
// document defaults.
struct Styles {
    DocumentDefaults defaults;
    std::vector<TableStyle> tableStyles;

    const TableStyle* tableStyle(const QString& styleId) const;
    const TableStyle* tableStyleByName(const QString& name) const;
    bool operator==(const Styles&) const = default;
};

// Word 2013+ Normal template: Calibri 11, after 160, line 259 auto, widow
// control; "Normal Table" and "Table Grid" as Word writes them.
Styles defaultStyles();

} // namespace word

#pragma once

#include "../model/Styles.h"
#include "XmlPartWriter.h"
#include "XmlSafety.h"

namespace word::io {

// The property elements shared by the document and styles parts, written in
// the order of the WordprocessingML schema and read back leniently: values
// the reader does not understand are left unset.

void writeRunProperties(XmlPartWriter& xml, const RunProperties& properties);
// w:pPr; nothing when no property is set.
void writeParagraphProperties(XmlPartWriter& xml, const ParagraphProperties& properties);
// The content of w:pPr, without the element.
void writeParagraphPropertyElements(XmlPartWriter& xml, const ParagraphProperties& properties);
void writeBorder(XmlPartWriter& xml, const QString& name, const Border& border);
// w:tblBorders with the sides that are set; nothing when none is.
void writeTableBorders(XmlPartWriter& xml, const TableBorders& borders);
void writeCellMargins(XmlPartWriter& xml, const CellMargins& margins);

// Each reader starts on the start element it reads and returns after its end.
RunProperties readRunProperties(SafeXmlReader& xml);
ParagraphProperties readParagraphProperties(SafeXmlReader& xml);
Border readBorder(SafeXmlReader& xml);
TableBorders readTableBorders(SafeXmlReader& xml);
CellMargins readCellMargins(SafeXmlReader& xml);
TableLook readTableLook(SafeXmlReader& xml); // leaves the element to the caller

// Limits of Word's own user interface for lengths; anything beyond is damage.
inline constexpr int maxTwips = 31680;

// w:val in the main namespace, and the same as a number or an on/off flag.
QString wordValue(const SafeXmlReader& xml, QStringView name = u"val");
std::optional<int> wordNumber(const SafeXmlReader& xml, QStringView name = u"val");
bool wordFlag(const SafeXmlReader& xml); // absent w:val means on
// A length in twips, kept within 0 and maxTwips; `fallback` when absent.
int wordTwips(const SafeXmlReader& xml, QStringView name, int fallback = 0);

} // namespace word::io

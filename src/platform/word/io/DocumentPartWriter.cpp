#include "DocumentPart.h"

#include "PropertiesXml.h"

namespace word::io {

namespace {

void writeText(XmlPartWriter& xml, const QString& text) {
    xml.start(QStringLiteral("w:t"));
    xml.attribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    xml.text(text);
    xml.end();
}

// Run text as w:t pieces and w:tab elements. Paragraph marks never sit in a
// run; should one arrive here, it is dropped with the other characters that
// XML cannot carry.
void writeRunContent(XmlPartWriter& xml, const QString& text) {
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\t')
            continue;
        QString piece = text.mid(start, i - start);
        piece.remove(u'\r');
        piece.remove(u'\n');
        if (!piece.isEmpty())
            writeText(xml, piece);
        if (i < text.size())
            xml.empty(QStringLiteral("w:tab"));
        start = i + 1;
    }
}

void writeParagraph(XmlPartWriter& xml, const Paragraph& paragraph) {
    xml.start(QStringLiteral("w:p"));
    writeParagraphProperties(xml, paragraph.properties);
    for (const Run& run : paragraph.runs) {
        xml.start(QStringLiteral("w:r"));
        if (run.properties != RunProperties{})
            writeRunProperties(xml, run.properties);
        writeRunContent(xml, run.text);
        xml.end();
    }
    xml.end();
}

void writeWidth(XmlPartWriter& xml, const QString& name, int twips) {
    xml.empty(name);
    xml.attribute(QStringLiteral("w:w"), twips);
    xml.attribute(QStringLiteral("w:type"),
                  twips > 0 ? QStringLiteral("dxa") : QStringLiteral("auto"));
}

void writeLook(XmlPartWriter& xml, const TableLook& look) {
    xml.empty(QStringLiteral("w:tblLook"));
    xml.attribute(QStringLiteral("w:val"),
                  QStringLiteral("%1").arg(look.value(), 4, 16, QLatin1Char('0')).toUpper());
    const std::pair<const char*, bool> flags[] = {
        {"w:firstRow", look.firstRow},       {"w:lastRow", look.lastRow},
        {"w:firstColumn", look.firstColumn}, {"w:lastColumn", look.lastColumn},
        {"w:noHBand", look.noHBand},         {"w:noVBand", look.noVBand}};
    for (const auto& [name, on] : flags)
        xml.attribute(QLatin1String(name), on ? 1 : 0);
}

void writeTableProperties(XmlPartWriter& xml, const Table& table, const Styles& styles) {
    xml.start(QStringLiteral("w:tblPr"));
    if (!table.styleId.isEmpty())
        xml.value(QStringLiteral("w:tblStyle"), table.styleId);
    writeWidth(xml, QStringLiteral("w:tblW"), table.widthTwips);
    writeTableBorders(xml, table.borders);
    if (table.fixedLayout) {
        xml.empty(QStringLiteral("w:tblLayout"));
        xml.attribute(QStringLiteral("w:type"), QStringLiteral("fixed"));
    }
    // The style's cell margins, repeated on the table for readers that do
    // not take them from table styles.
    const TableStyle* style = styles.tableStyle(table.styleId);
    writeCellMargins(xml, style ? style->cellMargins : CellMargins{});
    writeLook(xml, table.look);
    xml.end();
}

void writeCell(XmlPartWriter& xml, const Cell& cell) {
    xml.start(QStringLiteral("w:tc"));
    xml.start(QStringLiteral("w:tcPr"));
    writeWidth(xml, QStringLiteral("w:tcW"), cell.widthTwips);
    if (cell.diagonalDown || cell.diagonalUp) {
        xml.start(QStringLiteral("w:tcBorders"));
        if (cell.diagonalDown)
            writeBorder(xml, QStringLiteral("w:tl2br"), *cell.diagonalDown);
        if (cell.diagonalUp)
            writeBorder(xml, QStringLiteral("w:tr2bl"), *cell.diagonalUp);
        xml.end();
    }
    xml.end();
    for (const Paragraph& paragraph : cell.paragraphs)
        writeParagraph(xml, paragraph);
    if (cell.paragraphs.empty()) // a cell always ends with a paragraph
        writeParagraph(xml, Paragraph{});
    xml.end();
}

void writeTable(XmlPartWriter& xml, const Table& table, const Styles& styles) {
    xml.start(QStringLiteral("w:tbl"));
    writeTableProperties(xml, table, styles);
    xml.start(QStringLiteral("w:tblGrid"));
    for (const int width : table.gridColumns) {
        xml.empty(QStringLiteral("w:gridCol"));
        xml.attribute(QStringLiteral("w:w"), width);
    }
    xml.end();
    for (const Row& row : table.rows) {
        xml.start(QStringLiteral("w:tr"));
        if (row.cantSplit) {
            xml.start(QStringLiteral("w:trPr"));
            xml.empty(QStringLiteral("w:cantSplit"));
            xml.end();
        }
        for (const Cell& cell : row.cells)
            writeCell(xml, cell);
        xml.end();
    }
    xml.end();
}

void writeSection(XmlPartWriter& xml, const Section& s) {
    xml.start(QStringLiteral("w:sectPr"));
    xml.empty(QStringLiteral("w:pgSz"));
    xml.attribute(QStringLiteral("w:w"), s.pageWidth);
    xml.attribute(QStringLiteral("w:h"), s.pageHeight);
    xml.empty(QStringLiteral("w:pgMar"));
    const std::pair<const char*, int> margins[] = {
        {"w:top", s.marginTop},   {"w:right", s.marginRight},   {"w:bottom", s.marginBottom},
        {"w:left", s.marginLeft}, {"w:header", s.marginHeader}, {"w:footer", s.marginFooter},
        {"w:gutter", s.gutter}};
    for (const auto& [name, twips] : margins)
        xml.attribute(QLatin1String(name), twips);
    xml.empty(QStringLiteral("w:cols"));
    xml.attribute(QStringLiteral("w:space"), 720);
    xml.end();
}

} // namespace

QByteArray writeDocumentPart(const DocumentModel& doc) {
    XmlPartWriter xml;
    xml.startWordRoot(QStringLiteral("w:document"));
    xml.start(QStringLiteral("w:body"));
    for (const BodyElement& element : doc.body) {
        if (const auto* paragraph = std::get_if<Paragraph>(&element))
            writeParagraph(xml, *paragraph);
        else
            writeTable(xml, std::get<Table>(element), doc.styles);
    }
    if (doc.body.empty() || !std::holds_alternative<Paragraph>(doc.body.back()))
        writeParagraph(xml, Paragraph{}); // the body always ends with a paragraph
    writeSection(xml, doc.section);
    xml.end();
    xml.end();
    return xml.finish();
}

} // namespace word::io

#include "DocumentPart.h"

#include "ModelRepair.h"
#include "PropertiesXml.h"

#include <utility>

namespace word::io {

namespace {

// Elements that only wrap runs (links, tracked insertions, content
// controls): their runs belong to the paragraph.
bool wrapsRuns(const SafeXmlReader& xml) {
    return xml.is(u"hyperlink") || xml.is(u"ins") || xml.is(u"smartTag") || xml.is(u"sdt") ||
           xml.is(u"sdtContent") || xml.is(u"customXml") || xml.is(u"fldSimple");
}

Run readRun(SafeXmlReader& xml) {
    Run run;
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"rPr")) {
            run.properties = readRunProperties(xml);
            continue;
        }
        if (xml.is(u"tab")) {
            run.text += u'\t';
        } else if (xml.is(u"t")) {
            xml.skipElement();
            run.text += xmlSafeText(xml.text());
            continue;
        }
        xml.skipElement();
    }
    run.text.remove(u'\r');
    run.text.remove(u'\n');
    return run;
}

void readParagraphContent(SafeXmlReader& xml, Paragraph& paragraph) {
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"pPr"))
            paragraph.properties = readParagraphProperties(xml);
        else if (xml.is(u"r"))
            paragraph.runs.push_back(readRun(xml));
        else if (wrapsRuns(xml))
            readParagraphContent(xml, paragraph);
        else
            xml.skipElement();
    }
}

Paragraph readParagraph(SafeXmlReader& xml) {
    Paragraph paragraph;
    readParagraphContent(xml, paragraph);
    return paragraph;
}

void readTableProperties(SafeXmlReader& xml, Table& table) {
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"tblBorders")) {
            table.borders = readTableBorders(xml);
            continue;
        }
        if (xml.is(u"tblStyle")) {
            table.styleId = wordValue(xml);
        } else if (xml.is(u"tblW")) {
            const bool dxa = wordValue(xml, u"type") == u"dxa";
            table.widthTwips = dxa ? wordTwips(xml, u"w") : 0;
        } else if (xml.is(u"tblLayout")) {
            table.fixedLayout = wordValue(xml, u"type") == u"fixed";
        } else if (xml.is(u"tblLook")) {
            table.look = readTableLook(xml);
        }
        xml.skipElement();
    }
}

void readGrid(SafeXmlReader& xml, Table& table) {
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"gridCol"))
            table.gridColumns.push_back(wordTwips(xml, u"w"));
        xml.skipElement();
    }
}

void readCellProperties(SafeXmlReader& xml, Cell& cell) {
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"tcW")) {
            cell.widthTwips = wordTwips(xml, u"w");
        } else if (xml.is(u"tcBorders")) {
            while (xml.nextChild(level + 1)) {
                if (xml.is(u"tl2br"))
                    cell.diagonalDown = readBorder(xml);
                else if (xml.is(u"tr2bl"))
                    cell.diagonalUp = readBorder(xml);
                else
                    xml.skipElement();
            }
            continue;
        }
        xml.skipElement();
    }
}

Cell readCell(SafeXmlReader& xml) {
    Cell cell;
    cell.paragraphs.clear();
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"tcPr"))
            readCellProperties(xml, cell);
        else if (xml.is(u"p"))
            cell.paragraphs.push_back(readParagraph(xml));
        else
            xml.skipElement(); // nested tables have no place in this model
    }
    if (cell.paragraphs.empty())
        cell.paragraphs.emplace_back();
    return cell;
}

Row readRow(SafeXmlReader& xml) {
    Row row;
    row.cantSplit = false;
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"tc")) {
            row.cells.push_back(readCell(xml));
            continue;
        }
        if (xml.is(u"trPr")) {
            while (xml.nextChild(level + 1)) {
                if (xml.is(u"cantSplit"))
                    row.cantSplit = wordFlag(xml);
                xml.skipElement();
            }
            continue;
        }
        xml.skipElement();
    }
    return row;
}

Table readTable(SafeXmlReader& xml) {
    Table table;
    table.styleId.clear();
    table.fixedLayout = false;
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"tblPr"))
            readTableProperties(xml, table);
        else if (xml.is(u"tblGrid"))
            readGrid(xml, table);
        else if (xml.is(u"tr"))
            table.rows.push_back(readRow(xml));
        else
            xml.skipElement();
    }
    return table;
}

Section readSection(SafeXmlReader& xml) {
    Section s;
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"pgSz")) {
            s.pageWidth = wordTwips(xml, u"w", s.pageWidth);
            s.pageHeight = wordTwips(xml, u"h", s.pageHeight);
        } else if (xml.is(u"pgMar")) {
            s.marginTop = wordTwips(xml, u"top", s.marginTop);
            s.marginRight = wordTwips(xml, u"right", s.marginRight);
            s.marginBottom = wordTwips(xml, u"bottom", s.marginBottom);
            s.marginLeft = wordTwips(xml, u"left", s.marginLeft);
            s.marginHeader = wordTwips(xml, u"header", s.marginHeader);
            s.marginFooter = wordTwips(xml, u"footer", s.marginFooter);
            s.gutter = wordTwips(xml, u"gutter", s.gutter);
        }
        xml.skipElement();
    }
    if (s.textWidth() < minTextExtent || s.textHeight() < minTextExtent)
        xml.fail(QStringLiteral("leaves no room for text between the page margins"));
    return s;
}

void readBody(SafeXmlReader& xml, DocumentModel& doc) {
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"p")) {
            doc.body.emplace_back(readParagraph(xml));
        } else if (xml.is(u"tbl")) {
            Table table = readTable(xml);
            if (repairTable(table))
                doc.body.emplace_back(std::move(table));
        } else if (xml.is(u"sectPr")) {
            doc.section = readSection(xml);
        } else if (xml.is(u"sdt") || xml.is(u"sdtContent") || xml.is(u"customXml")) {
            readBody(xml, doc);
        } else {
            xml.skipElement();
        }
    }
}

} // namespace

void readDocumentPart(const QByteArray& bytes, DocumentModel& doc) {
    SafeXmlReader xml(bytes, QStringLiteral("word/document.xml"));
    xml.enterRoot(u"document");
    doc.body.clear();
    bool sawBody = false;
    while (xml.nextChild(1)) {
        if (xml.is(u"body")) {
            sawBody = true;
            readBody(xml, doc);
        } else {
            xml.skipElement();
        }
    }
    if (!sawBody)
        xml.fail(QStringLiteral("has no body"));
    // The body always ends with a paragraph, as after a table.
    if (doc.body.empty() || !std::holds_alternative<Paragraph>(doc.body.back()))
        doc.body.emplace_back(Paragraph{});
}

} // namespace word::io

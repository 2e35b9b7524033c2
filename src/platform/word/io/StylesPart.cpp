#include "StylesPart.h"

#include "PropertiesXml.h"

#include <algorithm>

namespace word::io {

namespace {

void writeDefaults(XmlPartWriter& xml, const DocumentDefaults& defaults) {
    xml.start(QStringLiteral("w:docDefaults"));
    xml.start(QStringLiteral("w:rPrDefault"));
    writeRunProperties(xml, defaults.run);
    xml.end();
    xml.start(QStringLiteral("w:pPrDefault"));
    xml.start(QStringLiteral("w:pPr"));
    writeParagraphPropertyElements(xml, defaults.paragraph);
    xml.end();
    xml.end();
    xml.end();
}

void startStyle(XmlPartWriter& xml, const QString& type, const QString& id, const QString& name,
                bool isDefault) {
    xml.start(QStringLiteral("w:style"));
    xml.attribute(QStringLiteral("w:type"), type);
    if (isDefault)
        xml.attribute(QStringLiteral("w:default"), 1);
    xml.attribute(QStringLiteral("w:styleId"), id);
    xml.value(QStringLiteral("w:name"), name);
}

void writeBuiltInStyles(XmlPartWriter& xml) {
    startStyle(xml, QStringLiteral("paragraph"), QStringLiteral("Normal"), QStringLiteral("Normal"),
               true);
    xml.empty(QStringLiteral("w:qFormat"));
    xml.end();
    startStyle(xml, QStringLiteral("character"), QStringLiteral("DefaultParagraphFont"),
               QStringLiteral("Default Paragraph Font"), true);
    xml.value(QStringLiteral("w:uiPriority"), 1);
    xml.empty(QStringLiteral("w:semiHidden"));
    xml.empty(QStringLiteral("w:unhideWhenUsed"));
    xml.end();
}

void writeTableStyle(XmlPartWriter& xml, const TableStyle& style) {
    startStyle(xml, QStringLiteral("table"), style.styleId, style.name, style.isDefault);
    if (!style.basedOn.isEmpty())
        xml.value(QStringLiteral("w:basedOn"), style.basedOn);
    xml.value(QStringLiteral("w:uiPriority"), style.isDefault ? 99 : 39);
    if (style.isDefault) {
        xml.empty(QStringLiteral("w:semiHidden"));
        xml.empty(QStringLiteral("w:unhideWhenUsed"));
    }
    writeParagraphProperties(xml, style.paragraph);
    if (style.run != RunProperties{})
        writeRunProperties(xml, style.run);
    xml.start(QStringLiteral("w:tblPr"));
    xml.empty(QStringLiteral("w:tblInd"));
    xml.attribute(QStringLiteral("w:w"), style.indentTwips);
    xml.attribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
    writeTableBorders(xml, style.borders);
    writeCellMargins(xml, style.cellMargins);
    xml.end();
    xml.end();
}

void readTableStyleProperties(SafeXmlReader& xml, TableStyle& style) {
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"tblInd")) {
            style.indentTwips = std::clamp(wordNumber(xml, u"w").value_or(0), -31680, 31680);
            xml.skipElement();
        } else if (xml.is(u"tblBorders")) {
            style.borders = readTableBorders(xml);
        } else if (xml.is(u"tblCellMar")) {
            style.cellMargins = readCellMargins(xml);
        } else {
            xml.skipElement();
        }
    }
}

TableStyle readTableStyle(SafeXmlReader& xml) {
    TableStyle style;
    style.styleId = xml.attribute(wordNamespace, u"styleId");
    const QString isDefault = xml.attribute(wordNamespace, u"default");
    style.isDefault = isDefault == u"1" || isDefault == u"true" || isDefault == u"on";
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"pPr")) {
            style.paragraph = readParagraphProperties(xml);
        } else if (xml.is(u"rPr")) {
            style.run = readRunProperties(xml);
        } else if (xml.is(u"tblPr")) {
            readTableStyleProperties(xml, style);
        } else {
            if (xml.is(u"name"))
                style.name = wordValue(xml);
            else if (xml.is(u"basedOn"))
                style.basedOn = wordValue(xml);
            xml.skipElement();
        }
    }
    return style;
}

void readDefaults(SafeXmlReader& xml, DocumentDefaults& defaults) {
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        const bool run = xml.is(u"rPrDefault");
        if (!run && !xml.is(u"pPrDefault")) {
            xml.skipElement();
            continue;
        }
        while (xml.nextChild(level + 1)) {
            if (run && xml.is(u"rPr"))
                defaults.run = readRunProperties(xml);
            else if (!run && xml.is(u"pPr"))
                defaults.paragraph = readParagraphProperties(xml);
            else
                xml.skipElement();
        }
    }
}

} // namespace

QByteArray writeStylesPart(const Styles& styles) {
    XmlPartWriter xml;
    xml.startWordRoot(QStringLiteral("w:styles"));
    writeDefaults(xml, styles.defaults);
    writeBuiltInStyles(xml);
    for (const TableStyle& style : styles.tableStyles)
        writeTableStyle(xml, style);
    xml.end();
    return xml.finish();
}

Styles readStylesPart(const QByteArray& bytes) {
    Styles styles;
    SafeXmlReader xml(bytes, QStringLiteral("word/styles.xml"));
    xml.enterRoot(u"styles");
    while (xml.nextChild(1)) {
        if (xml.is(u"docDefaults"))
            readDefaults(xml, styles.defaults);
        else if (xml.is(u"style") && xml.attribute(wordNamespace, u"type") == u"table")
            styles.tableStyles.push_back(readTableStyle(xml));
        else
            xml.skipElement();
    }
    return styles;
}

} // namespace word::io

#include "PackageParts.h"

#include "XmlPartWriter.h"
#include "XmlSafety.h"

#include <QDir>

namespace word::io {

namespace {

const QString mainContentType = QStringLiteral(
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");

void override(XmlPartWriter& xml, const QString& part, const QString& type) {
    xml.empty(QStringLiteral("Override"));
    xml.attribute(QStringLiteral("PartName"), part);
    xml.attribute(QStringLiteral("ContentType"), type);
}

void relationship(XmlPartWriter& xml, const QString& id, const QString& type,
                  const QString& target) {
    xml.empty(QStringLiteral("Relationship"));
    xml.attribute(QStringLiteral("Id"), id);
    xml.attribute(QStringLiteral("Type"), type);
    xml.attribute(QStringLiteral("Target"), target);
}

// Font classification Word writes for the faces a document usually names.
struct FontFacts {
    const char* name;
    const char* panose;
    const char* family;
};

constexpr FontFacts knownFonts[] = {
    {"Arial", "020B0604020202020204", "swiss"},
    {"Arial Black", "020B0A04020102020204", "swiss"},
    {"Calibri", "020F0502020204030204", "swiss"},
    {"Tahoma", "020B0604030504040204", "swiss"},
    {"Times New Roman", "02020603050405020304", "roman"},
};

void writeFont(XmlPartWriter& xml, const QString& name) {
    xml.start(QStringLiteral("w:font"));
    xml.attribute(QStringLiteral("w:name"), name);
    const FontFacts* facts = nullptr;
    for (const FontFacts& known : knownFonts) {
        if (name == QLatin1String(known.name))
            facts = &known;
    }
    if (facts)
        xml.value(QStringLiteral("w:panose1"), QLatin1String(facts->panose));
    xml.value(QStringLiteral("w:charset"), QStringLiteral("00"));
    xml.value(QStringLiteral("w:family"),
              facts ? QLatin1String(facts->family) : QLatin1String("auto"));
    xml.value(QStringLiteral("w:pitch"), QStringLiteral("variable"));
    xml.end();
}

} // namespace

QByteArray writeContentTypesPart() {
    XmlPartWriter xml;
    xml.start(QStringLiteral("Types"));
    xml.attribute(QStringLiteral("xmlns"), contentTypesNamespace);
    xml.empty(QStringLiteral("Default"));
    xml.attribute(QStringLiteral("Extension"), QStringLiteral("rels"));
    xml.attribute(QStringLiteral("ContentType"),
                  QStringLiteral("application/vnd.openxmlformats-package.relationships+xml"));
    xml.empty(QStringLiteral("Default"));
    xml.attribute(QStringLiteral("Extension"), QStringLiteral("xml"));
    xml.attribute(QStringLiteral("ContentType"), QStringLiteral("application/xml"));
    const QString wml =
        QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.");
    override(xml, QStringLiteral("/word/document.xml"), mainContentType);
    override(xml, QStringLiteral("/word/styles.xml"), wml + QStringLiteral("styles+xml"));
    override(xml, QStringLiteral("/word/settings.xml"), wml + QStringLiteral("settings+xml"));
    override(xml, QStringLiteral("/word/fontTable.xml"), wml + QStringLiteral("fontTable+xml"));
    override(xml, QStringLiteral("/docProps/core.xml"),
             QStringLiteral("application/vnd.openxmlformats-package.core-properties+xml"));
    override(
        xml, QStringLiteral("/docProps/app.xml"),
        QStringLiteral("application/vnd.openxmlformats-officedocument.extended-properties+xml"));
    xml.end();
    return xml.finish();
}

QByteArray writePackageRelationshipsPart() {
    XmlPartWriter xml;
    xml.start(QStringLiteral("Relationships"));
    xml.attribute(QStringLiteral("xmlns"), relationshipsNamespace);
    relationship(xml, QStringLiteral("rId1"), officeDocumentRelationship,
                 QStringLiteral("word/document.xml"));
    relationship(xml, QStringLiteral("rId2"),
                 QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships/"
                                "metadata/core-properties"),
                 QStringLiteral("docProps/core.xml"));
    relationship(xml, QStringLiteral("rId3"),
                 officeRelationshipPrefix + QStringLiteral("extended-properties"),
                 QStringLiteral("docProps/app.xml"));
    xml.end();
    return xml.finish();
}

QByteArray writeDocumentRelationshipsPart() {
    XmlPartWriter xml;
    xml.start(QStringLiteral("Relationships"));
    xml.attribute(QStringLiteral("xmlns"), relationshipsNamespace);
    relationship(xml, QStringLiteral("rId1"), officeRelationshipPrefix + QStringLiteral("styles"),
                 QStringLiteral("styles.xml"));
    relationship(xml, QStringLiteral("rId2"), officeRelationshipPrefix + QStringLiteral("settings"),
                 QStringLiteral("settings.xml"));
    relationship(xml, QStringLiteral("rId3"),
                 officeRelationshipPrefix + QStringLiteral("fontTable"),
                 QStringLiteral("fontTable.xml"));
    xml.end();
    return xml.finish();
}

QByteArray writeFontTablePart(const QStringList& fonts) {
    XmlPartWriter xml;
    xml.startWordRoot(QStringLiteral("w:fonts"));
    for (const QString& font : fonts)
        writeFont(xml, font);
    xml.end();
    return xml.finish();
}

QByteArray writeCorePropertiesPart(const QDateTime& savedAt) {
    XmlPartWriter xml;
    xml.start(QStringLiteral("cp:coreProperties"));
    xml.attribute(
        QStringLiteral("xmlns:cp"),
        QStringLiteral("http://schemas.openxmlformats.org/package/2006/metadata/core-properties"));
    xml.attribute(QStringLiteral("xmlns:dc"), QStringLiteral("http://purl.org/dc/elements/1.1/"));
    xml.attribute(QStringLiteral("xmlns:dcterms"), QStringLiteral("http://purl.org/dc/terms/"));
    xml.attribute(QStringLiteral("xmlns:xsi"),
                  QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"));
    const QString stamp = savedAt.toUTC().toString(Qt::ISODate);
    xml.textElement(QStringLiteral("cp:revision"), QStringLiteral("1"));
    for (const char* name : {"dcterms:created", "dcterms:modified"}) {
        xml.start(QLatin1String(name));
        xml.attribute(QStringLiteral("xsi:type"), QStringLiteral("dcterms:W3CDTF"));
        xml.text(stamp);
        xml.end();
    }
    xml.end();
    return xml.finish();
}

QByteArray writeAppPropertiesPart(const PackageStatistics& s) {
    XmlPartWriter xml;
    xml.start(QStringLiteral("Properties"));
    xml.attribute(QStringLiteral("xmlns"),
                  QStringLiteral(
                      "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"));
    xml.textElement(QStringLiteral("Template"), QStringLiteral("Normal.dotm"));
    xml.textElement(QStringLiteral("TotalTime"), QStringLiteral("0"));
    xml.textElement(QStringLiteral("Pages"), QString::number(s.pages));
    xml.textElement(QStringLiteral("Words"), QString::number(s.words));
    xml.textElement(QStringLiteral("Characters"), QString::number(s.characters));
    xml.textElement(QStringLiteral("Application"), QStringLiteral("Quillary"));
    xml.textElement(QStringLiteral("DocSecurity"), QStringLiteral("0"));
    xml.textElement(QStringLiteral("Lines"), QString::number(s.lines));
    xml.textElement(QStringLiteral("Paragraphs"), QString::number(s.paragraphs));
    xml.textElement(QStringLiteral("ScaleCrop"), QStringLiteral("false"));
    xml.textElement(QStringLiteral("LinksUpToDate"), QStringLiteral("false"));
    xml.textElement(QStringLiteral("CharactersWithSpaces"),
                    QString::number(s.charactersWithSpaces));
    xml.textElement(QStringLiteral("SharedDoc"), QStringLiteral("false"));
    xml.textElement(QStringLiteral("HyperlinksChanged"), QStringLiteral("false"));
    xml.end();
    return xml.finish();
}

QString relationshipTarget(const QByteArray& relationships, const QString& partName,
                           const QString& type, const QString& sourceFolder) {
    SafeXmlReader xml(relationships, partName);
    xml.enterRoot(u"Relationships", relationshipsNamespace);
    while (xml.nextChild(1)) {
        const bool wanted = xml.is(u"Relationship", relationshipsNamespace) &&
                            xml.attribute({}, u"Type") == type &&
                            xml.attribute({}, u"TargetMode") != u"External";
        const QString target = xml.attribute({}, u"Target");
        xml.skipElement();
        if (!wanted || target.isEmpty())
            continue;
        if (target.startsWith(u'/'))
            return target.mid(1);
        return QDir::cleanPath(sourceFolder.isEmpty() ? target : sourceFolder + u'/' + target);
    }
    return {};
}

} // namespace word::io

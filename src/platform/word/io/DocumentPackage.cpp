#include "DocumentPackage.h"

#include "DocumentPart.h"
#include "Namespaces.h"
#include "SettingsPart.h"
#include "StylesPart.h"
#include "ZipReader.h"
#include "ZipWriter.h"
#include "platform/errors/RuntimeError.h"
#include <QCoreApplication>

namespace word::io {

namespace {

const QString contentTypesName = QStringLiteral("[Content_Types].xml");

[[noreturn]] void fail(const QString& why) {
    throw platform::RuntimeError(
        QCoreApplication::translate("RuntimeError", "The file is not a readable document: %1.")
            .arg(why));
}

template <typename Visit> void forEachParagraph(const DocumentModel& doc, Visit visit) {
    for (const BodyElement& element : doc.body) {
        if (const auto* paragraph = std::get_if<Paragraph>(&element)) {
            visit(*paragraph);
            continue;
        }
        for (const Row& row : std::get<Table>(element).rows) {
            for (const Cell& cell : row.cells) {
                for (const Paragraph& paragraph : cell.paragraphs)
                    visit(paragraph);
            }
        }
    }
}

void addFont(QStringList& fonts, const std::optional<QString>& font) {
    if (font && !font->isEmpty() && !fonts.contains(*font))
        fonts.append(*font);
}

// The part a relationship of the given type leads to, looked up the way
// readers of the format do, with the usual name as the fallback.
QString documentPartName(const ZipReader& zip) {
    const QString packageRels = QStringLiteral("_rels/.rels");
    if (zip.contains(packageRels)) {
        const QString target =
            relationshipTarget(zip.read(packageRels), packageRels, officeDocumentRelationship, {});
        if (!target.isNull())
            return target;
    }
    return QStringLiteral("word/document.xml");
}

QString relatedPartName(const ZipReader& zip, const QString& documentName, const QString& type) {
    const int slash = int(documentName.lastIndexOf(u'/'));
    const QString folder = slash < 0 ? QString() : documentName.left(slash);
    const QString relsName = (folder.isEmpty() ? QString() : folder + u'/') +
                             QStringLiteral("_rels/") + documentName.mid(slash + 1) +
                             QStringLiteral(".rels");
    if (!zip.contains(relsName))
        return {};
    return relationshipTarget(zip.read(relsName), relsName, officeRelationshipPrefix + type,
                              folder);
}

} // namespace

QByteArray packDocument(const DocumentModel& doc, const PackageStatistics& statistics,
                        const QDateTime& savedAt) {
    ZipWriter zip;
    zip.add(contentTypesName, writeContentTypesPart());
    zip.add(QStringLiteral("_rels/.rels"), writePackageRelationshipsPart());
    zip.add(QStringLiteral("word/document.xml"), writeDocumentPart(doc));
    zip.add(QStringLiteral("word/_rels/document.xml.rels"), writeDocumentRelationshipsPart());
    zip.add(QStringLiteral("word/styles.xml"), writeStylesPart(doc.styles));
    zip.add(QStringLiteral("word/settings.xml"), writeSettingsPart(doc.settings));
    zip.add(QStringLiteral("word/fontTable.xml"), writeFontTablePart(fontsUsed(doc)));
    zip.add(QStringLiteral("docProps/core.xml"), writeCorePropertiesPart(savedAt));
    zip.add(QStringLiteral("docProps/app.xml"), writeAppPropertiesPart(statistics));
    return zip.finish();
}

DocumentModel unpackDocument(const QByteArray& bytes, const ZipLimits& limits) {
    if (!bytes.startsWith("PK"))
        fail(QCoreApplication::translate("RuntimeError",
                                         "it is not a WordprocessingML (zip) package"));
    const ZipReader zip(bytes, limits);
    if (!zip.contains(contentTypesName))
        fail(QCoreApplication::translate("RuntimeError", "the package has no content types"));
    const QString documentName = documentPartName(zip);
    if (!zip.contains(documentName))
        fail(QCoreApplication::translate("RuntimeError", "the package holds no document"));
    DocumentModel doc;
    const QString stylesName = relatedPartName(zip, documentName, QStringLiteral("styles"));
    doc.styles = zip.contains(stylesName) ? readStylesPart(zip.read(stylesName)) : Styles{};
    const QString settingsName = relatedPartName(zip, documentName, QStringLiteral("settings"));
    doc.settings = zip.contains(settingsName) ? readSettingsPart(zip.read(settingsName))
                                              : Settings{720, unstatedCompatibilityMode};
    readDocumentPart(zip.read(documentName), doc);
    return doc;
}

PackageStatistics textStatistics(const DocumentModel& doc) {
    PackageStatistics s;
    forEachParagraph(doc, [&s](const Paragraph& paragraph) {
        const QString text = paragraph.text();
        if (text.trimmed().isEmpty())
            return;
        ++s.paragraphs;
        s.charactersWithSpaces += int(text.size());
        bool inWord = false;
        for (const QChar c : text) {
            const bool space = c.isSpace();
            s.characters += space ? 0 : 1;
            s.words += !space && !inWord ? 1 : 0;
            inWord = !space;
        }
    });
    return s;
}

QStringList fontsUsed(const DocumentModel& doc) {
    QStringList fonts;
    addFont(fonts, doc.styles.defaults.run.font);
    for (const TableStyle& style : doc.styles.tableStyles)
        addFont(fonts, style.run.font);
    forEachParagraph(doc, [&fonts](const Paragraph& paragraph) {
        addFont(fonts, paragraph.properties.markRunProperties.font);
        for (const Run& run : paragraph.runs)
            addFont(fonts, run.properties.font);
    });
    return fonts;
}

} // namespace word::io

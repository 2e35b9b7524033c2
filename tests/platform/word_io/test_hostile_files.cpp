#include "HostilePackages.h"
#include "platform/errors/RuntimeError.h"
#include "platform/word/io/DocumentFiles.h"
#include "platform/word/io/DocumentPackage.h"
#include "platform/word/io/ZipReader.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace word;

namespace {

// The description unpacking fails with, or a null string when it succeeds.
QString failureOf(const QByteArray& bytes, const io::ZipLimits& limits = {}) {
    try {
        io::unpackDocument(bytes, limits);
    } catch (const platform::RuntimeError& e) {
        return e.description();
    }
    return {};
}

QByteArray randomBytes(int size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

const QByteArray billionLaughs =
    "<?xml version=\"1.0\"?><!DOCTYPE w:document [<!ENTITY a \"aaaaaaaaaa\">"
    "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
    "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]><w:document "
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body><w:p><w:r>"
    "<w:t>&d;&d;&d;&d;</w:t></w:r></w:p></w:body></w:document>";

const QByteArray externalEntity =
    "<?xml version=\"1.0\"?><!DOCTYPE w:document [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:body><w:p><w:r><w:t>&x;</w:t></w:r></w:p></w:body></w:document>";

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private slots:
    void notAPackageIsRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray valid = hostile::validPackage();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain text") << QByteArray("Meeting agenda\r\n");
        QTest::newRow("pdf") << QByteArray("%PDF-1.7\n%\xe2\xe3\xcf\xd3\n1 0 obj");
        QTest::newRow("random") << randomBytes(4096, 7);
        QTest::newRow("zip magic, random rest") << "PK\x03\x04" + randomBytes(4096, 8);
        QTest::newRow("first half") << valid.left(valid.size() / 2);
        QTest::newRow("no end record") << valid.chopped(22);
        QTest::newRow("one byte short") << valid.chopped(1);
        QByteArray flipped = valid;
        flipped[flipped.size() / 3] = char(flipped[flipped.size() / 3] ^ 0x55);
        QTest::newRow("flipped byte") << flipped;
        QTest::newRow("odt-like") << hostile::pack(
            {{"mimetype", "application/vnd.oasis.opendocument.text"},
             {"content.xml", "<office:document-content/>"}});
        hostile::Entries noDocument = hostile::validEntries();
        std::erase_if(noDocument, [](const auto& e) { return e.first == "word/document.xml"; });
        QTest::newRow("no document part") << hostile::pack(noDocument);
    }
    void notAPackageIsRefused() {
        QFETCH(QByteArray, bytes);
        QVERIFY(failureOf(bytes).startsWith("The file is not a readable document: "));
    }

    void unsafeEntryNamesAreRefused() {
        for (const char* name :
             {"../evil.xml", "/etc/evil.xml", "word\\evil.xml", "a/../../b.xml", "C:/evil.xml"}) {
            QVERIFY2(!io::isSafeEntryName(QString::fromUtf8(name)), name);
            const QString why = failureOf(hostile::withPart(QString::fromUtf8(name), "x"));
            QVERIFY2(why.contains("unsafe entry name"), qPrintable(why));
        }
        const QByteArray control = hostile::withRenamedEntry(hostile::withPart("word/X.xml", "x"),
                                                             "word/X.xml", "word/\x01.xml");
        QVERIFY2(failureOf(control).contains("unsafe entry name"), qPrintable(failureOf(control)));
        QVERIFY(io::isSafeEntryName("word/_rels/document.xml.rels"));
        QVERIFY(io::isSafeEntryName("[Content_Types].xml"));
    }

    void capsStopOversizedPackages() {
        io::ZipLimits limits;
        limits.maxEntries = 12;
        hostile::Entries many = hostile::validEntries();
        for (int i = 0; i < 10; ++i)
            many.emplace_back(QStringLiteral("extra/%1.xml").arg(i), "<x/>");
        QVERIFY(failureOf(hostile::pack(many), limits).contains("too many entries"));

        limits = {};
        limits.maxEntrySize = 16 * 1024;
        QVERIFY(failureOf(hostile::withPart("media/big.bin", randomBytes(20000, 1)), limits)
                    .contains("too large"));

        limits = {};
        limits.maxTotalSize = 24 * 1024;
        hostile::Entries heavy = hostile::validEntries();
        for (int i = 0; i < 3; ++i)
            heavy.emplace_back(QStringLiteral("media/%1.bin").arg(i), randomBytes(10000, i));
        QVERIFY(failureOf(hostile::pack(heavy), limits).contains("too large when unpacked"));

        // A small archive that unpacks to a great deal: 8 MB of zeros.
        const QByteArray bomb = hostile::withPart("word/document.xml", QByteArray(8 << 20, '\0'));
        QVERIFY(bomb.size() < 64 * 1024);
        QVERIFY(failureOf(bomb).contains("compressed suspiciously well"));
    }

    // Headers that claim less than the entry holds are not believed.
    void lyingSizesAreCaught() {
        const QByteArray lying =
            hostile::withDeclaredSize(hostile::validPackage(), "word/document.xml", 40);
        const QString why = failureOf(lying);
        QVERIFY2(why.startsWith("The file is not a readable document"), qPrintable(why));
    }

    void declarationsAndEntitiesAreRefused_data() {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QByteArray>("xml");
        QTest::newRow("billion laughs") << "word/document.xml" << billionLaughs;
        QTest::newRow("external entity") << "word/document.xml" << externalEntity;
        QTest::newRow("doctype in styles")
            << "word/styles.xml"
            << QByteArray("<!DOCTYPE x SYSTEM \"http://example.invalid/x.dtd\"><x/>");
        QTest::newRow("doctype in relationships")
            << "_rels/.rels"
            << QByteArray("<!DOCTYPE Relationships [<!ENTITY e \"e\">]><Relationships/>");
        QTest::newRow("undeclared entity")
            << "word/document.xml"
            << hostile::documentWithBody("<w:p><w:r><w:t>&nbsp;</w:t></w:r></w:p>");
    }
    void declarationsAndEntitiesAreRefused() {
        QFETCH(QString, part);
        QFETCH(QByteArray, xml);
        const QString why = failureOf(hostile::withPart(part, xml));
        QVERIFY2(why.contains(part), qPrintable(why));
    }

    void brokenXmlIsRefused_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::newRow("truncated") << hostile::documentWithBody("<w:p><w:r><w:t>x</w:t>").left(150);
        QTest::newRow("mismatched") << hostile::documentWithBody("<w:p><w:r></w:p></w:r>");
        QTest::newRow("not utf-8") << QByteArray("<?xml version=\"1.0\"?><a>\xff\xfe\xfd</a>");
        QTest::newRow("wrong root") << QByteArray("<html><body/></html>");
        QTest::newRow("no body") << QByteArray(
            "<w:document "
            "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"/>");
        QTest::newRow("deep") << hostile::documentWithBody(QByteArray("<w:sdt>").repeated(200) +
                                                           QByteArray("</w:sdt>").repeated(200));
        QTest::newRow("no room on the page") << hostile::documentWithBody(
            "<w:sectPr><w:pgSz w:w=\"2000\" w:h=\"15840\"/><w:pgMar w:left=\"1000\" "
            "w:right=\"1000\"/></w:sectPr>");
    }
    void brokenXmlIsRefused() {
        QFETCH(QByteArray, xml);
        const QString why = failureOf(hostile::withPart("word/document.xml", xml));
        QVERIFY2(why.contains("word/document.xml"), qPrintable(why));
    }

    // Irregular tables and stray content become a model the layout can
    // trust: one cell per grid column in every row, a paragraph at the end.
    void irregularContentIsMadeRegular() {
        const QByteArray body =
            "<w:p><w:hyperlink><w:r><w:t>linked</w:t></w:r></w:hyperlink><w:r><w:t>a</w:t>"
            "</w:r></w:p><w:tbl><w:tblGrid><w:gridCol w:w=\"-5\"/></w:tblGrid>"
            "<w:tr><w:tc><w:p/></w:tc></w:tr><w:tr/><w:tr><w:tc><w:tcPr><w:tcW w:w=\"99999999\"/>"
            "</w:tcPr></w:tc><w:tc><w:tbl><w:tr><w:tc><w:p/></w:tc></w:tr></w:tbl></w:tc><w:tc/>"
            "</w:tr></w:tbl><w:tbl><w:tblGrid/></w:tbl><w:tbl><w:tr><w:tc><w:p/></w:tc></w:tr></"
            "w:tbl>";
        const QString why =
            failureOf(hostile::withPart("word/document.xml", hostile::documentWithBody(body)));
        QVERIFY2(why.isNull(), qPrintable(why));
        const DocumentModel doc = io::unpackDocument(
            hostile::withPart("word/document.xml", hostile::documentWithBody(body)));
        QCOMPARE(doc.body.size(), std::size_t(4));
        QCOMPARE(std::get<Paragraph>(doc.body[0]).text(), QStringLiteral("linkeda"));
        const Table& table = std::get<Table>(doc.body[1]);
        QCOMPARE(table.rows.size(), std::size_t(2));
        QCOMPARE(table.gridColumns, (std::vector<int>{31680, 0, 0}));
        for (const Row& row : table.rows) {
            QCOMPARE(row.cells.size(), std::size_t(3));
            for (const Cell& cell : row.cells)
                QVERIFY(!cell.paragraphs.empty());
        }
        QVERIFY(std::holds_alternative<Paragraph>(doc.body.back()));
    }

    // Other writers name and place their parts differently; the package's
    // relationships say where they are.
    void partsAreFoundThroughRelationships() {
        const QByteArray rels =
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"a\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
            "relationships/officeDocument\" Target=\"/content/main.xml\"/></Relationships>";
        const QByteArray mainRels =
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"b\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
            "relationships/styles\" Target=\"../shared/look.xml\"/></Relationships>";
        const QByteArray styles =
            "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
            "<w:docDefaults><w:rPrDefault><w:rPr><w:sz w:val=\"30\"/></w:rPr></w:rPrDefault>"
            "</w:docDefaults></w:styles>";
        const DocumentModel doc = io::unpackDocument(
            hostile::pack({{"[Content_Types].xml", "<Types/>"},
                           {"_rels/.rels", rels},
                           {"content/_rels/main.xml.rels", mainRels},
                           {"content/main.xml",
                            hostile::documentWithBody("<w:p><w:r><w:t>moved</w:t></w:r></w:p>")},
                           {"shared/look.xml", styles}}));
        QCOMPARE(std::get<Paragraph>(doc.body.front()).text(), QStringLiteral("moved"));
        QCOMPARE(doc.styles.defaults.run.sizeHalfPoints, std::optional<int>(30));
        QCOMPARE(doc.settings.compatibilityMode, 12); // no settings: as other readers assume
    }

    void openingNamesTheFile() {
        QTemporaryDir dir;
        const QString missing = dir.filePath("missing.doc");
        for (const QString& path : {missing, dir.path()}) {
            try {
                openDocumentFile(path);
                QFAIL("opened what is no document");
            } catch (const platform::RuntimeError& e) {
                QVERIFY2(e.description().contains(path), qPrintable(e.description()));
            }
        }
    }
};

QTEST_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"

#include "AgendaCases.h"
#include "platform/errors/RuntimeError.h"
#include "platform/word/automation/Application.h"
#include "platform/word/automation/Document.h"
#include "platform/word/automation/Selection.h"
#include "platform/word/io/DocumentFiles.h"
#include "platform/word/io/DocumentPart.h"
#include "platform/word/io/ZipReader.h"
#include "support/FakeClipboard.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace word;

namespace {

QByteArray partOf(const QString& path, const QString& part) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return io::ZipReader(file.readAll()).read(part);
}

QString appPages(const QString& path) {
    QXmlStreamReader xml(partOf(path, QStringLiteral("docProps/app.xml")));
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Pages")
            return xml.readElementText();
        if (xml.name() != u"Properties")
            xml.skipCurrentElement();
    }
    return {};
}

QString incompressibleText(int length) {
    QRandomGenerator random(42);
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(u'a' + random.bounded(26));
    return text;
}

// Lowers the largest file this process may write, for the scope's lifetime.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lowered{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
};

} // namespace

class TestRoundTrip : public QObject {
    Q_OBJECT
    testing::FakeClipboard clipboard;
    QTemporaryDir dir;

    std::shared_ptr<Application> newApp() { return Application::create(clipboard); }
    QString pathOf(const QString& name) const { return dir.filePath(name); }

private slots:
    // Build, save, open in a second instance: the same model, the same pages,
    // and app.xml states the true page count.
    void agendaDocumentsComeBackPageForPage_data() {
        QTest::addColumn<int>("index");
        const auto cases = agenda::comparisonCases();
        for (int i = 0; i < int(cases.size()); ++i)
            QTest::newRow(qPrintable(cases[i].name)) << i;
    }
    void agendaDocumentsComeBackPageForPage() {
        QFETCH(int, index);
        const agenda::Case c = agenda::comparisonCases()[index];
        const QString path = pathOf(c.name + QStringLiteral(".doc"));
        auto builder = newApp();
        auto built = agenda::buildAgenda(builder, c.meeting);
        built->SaveAs(path);

        auto reader = newApp();
        auto opened = reader->Documents().Open(path);
        QVERIFY(opened->model() == built->model());
        const QStringList pages = built->layout().pageTexts();
        QCOMPARE(opened->layout().pageTexts(), pages);
        QCOMPARE(appPages(path), QString::number(pages.size()));
        QVERIFY(partOf(path, QStringLiteral("[Content_Types].xml")).contains("document.main+xml"));
    }

    // Characters XML cannot carry are dropped; the rest of the text and the
    // file survive.
    void textXmlCannotCarryIsDropped() {
        auto app = newApp();
        auto doc = app->Documents().Add();
        Selection& s = doc->ActiveWindow().Selection();
        s.TypeText(QStringLiteral("a\x01"
                                  "b\x0B"
                                  "c\x1F"
                                  "d") +
                   QChar(0xFFFF) + QChar(0xD800) + QStringLiteral("e\tf ") + QChar(0xD83D) +
                   QChar(0xDE00));
        const QString path = pathOf(QStringLiteral("unsafe.doc"));
        doc->SaveAs(path);
        QXmlStreamReader xml(partOf(path, QStringLiteral("word/document.xml")));
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        const DocumentModel back = openDocumentFile(path);
        QCOMPARE(std::get<Paragraph>(back.body.front()).text(),
                 QStringLiteral("abcde\tf ") + QChar(0xD83D) + QChar(0xDE00));
    }

    // The document's assumptions travel with it, whatever the model holds.
    void modelValuesSurvive() {
        DocumentModel doc;
        doc.settings.defaultTabStop = 567;
        doc.section.pageWidth = 11906;
        doc.section.pageHeight = 16838;
        doc.section.marginLeft = 1134;
        doc.styles.defaults.run.font = QStringLiteral("Times New Roman");
        doc.styles.defaults.paragraph.widowControl = false;
        doc.styles.defaults.paragraph.lineRule = LineRule::Exact;
        Paragraph p;
        p.properties.alignment = Alignment::Both;
        p.properties.spacingBefore = 120;
        p.properties.markRunProperties.sizeHalfPoints = 40;
        p.runs = {Run{RunProperties{QStringLiteral("Arial"), 18, Color::fromRgb(0x123456), false},
                      QStringLiteral("  two  spaces\t")},
                  Run{RunProperties{}, QString()}};
        Table t;
        t.gridColumns = {1000, 2000};
        t.look.lastColumn = true;
        t.borders.top = Border{BorderStyle::Single, 12, Color::fromRgb(0xFF0000), 2, true};
        Row row;
        row.cantSplit = false;
        row.cells = {Cell{1000, Border{}, std::nullopt, {Paragraph{}}},
                     Cell{2000, std::nullopt, std::nullopt, {Paragraph{}, p}}};
        t.rows = {row};
        doc.body = {p, t, Paragraph{}};
        const QString path = pathOf(QStringLiteral("values.docx"));
        saveDocumentFile(doc, path);
        QVERIFY(openDocumentFile(path) == doc);
    }

    // A border without a line reads as just that, whatever size or colour
    // the file gives it, so that the saved file reads back the same.
    void aBorderWithoutALineReadsBackTheSame() {
        const QByteArray xml =
            "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
            "<w:body><w:tbl><w:tblPr><w:tblBorders>"
            "<w:top wzval=\"double\" w:sz=\"4\" w:color=\"FF0000\"/>"
            "<w:insideH w:val=\"nil\" w:sz=\"3\" w:space=\"2\" w:shadow=\"1\"/>"
            "</w:tblBorders></w:tblPr><w:tblGrid><w:gridCol w:w=\"3000\"/></w:tblGrid>"
            "<w:tr><w:tc><w:p/></w:tc></w:tr></w:tbl><w:p/></w:body></w:document>";
        DocumentModel doc;
        io::readDocumentPart(xml, doc);
        const QString path = pathOf(QStringLiteral("nil-borders.docx"));
        saveDocumentFile(doc, path);
        QVERIFY(openDocumentFile(path).body == doc.body);
    }

    // A save replaces the target whole; a failed save names the file and
    // leaves nothing behind, and the old file stays as it was.
    void savingIsAllOrNothing() {
        DocumentModel doc;
        const QString path = pathOf(QStringLiteral("replace.doc"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old content");
        old.close();
        saveDocumentFile(doc, path);
        QVERIFY(openDocumentFile(path) == doc);

        // A write that fails half-way, as on a full disk: the file size limit
        // stops it whoever runs the test.
        QTemporaryDir folder;
        const QString kept = folder.filePath(QStringLiteral("kept.doc"));
        saveDocumentFile(doc, kept);
        const QByteArray before = partOf(kept, QStringLiteral("word/document.xml"));
        doc.body = {Paragraph{{}, {Run{{}, incompressibleText(20000)}}}};
        bool failed = false;
        {
            const FileSizeLimit limit(2048);
            try {
                saveDocumentFile(doc, kept);
            } catch (const platform::RuntimeError& e) {
                failed = e.description().contains(kept);
            }
        }
        QVERIFY(failed);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.doc"});
        QCOMPARE(partOf(kept, QStringLiteral("word/document.xml")), before);
    }

    void savingIntoAMissingFolderFails() {
        const QString path = pathOf(QStringLiteral("no/such/folder/x.doc"));
        try {
            saveDocumentFile(DocumentModel{}, path);
            QFAIL("saved into a missing folder");
        } catch (const platform::RuntimeError& e) {
            QVERIFY2(e.description().contains(path), qPrintable(e.description()));
        }
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestRoundTrip)
#include "test_roundtrip.moc"

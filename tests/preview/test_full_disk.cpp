// Writing on a full disk (a tmpfs of the test's own, filled up): the
// engine's save, the copy "Save Results To Word File" makes and the PDF
// export each fail with the disk's words, leave an existing file as it was
// and never say "Done."; with the temporary folder full, the builder's save
// fails at its own step and the preview will not save what was never
// written whole.
#include "SharingFixture.h"
#include "support/FullDisk.h"
#include "support/TypedAgenda.h"

#include "platform/errors/RuntimeError.h"

#include <QFile>
#include <QtTest>

using testing::FullDisk;
using testing::SharingRun;

namespace {

const QByteArray kOldContent = "the file as it was before\n";
const QString kNoSpace = QStringLiteral("No space left on device");

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// The target: an existing file with old content, or none; then the disk fills.
QString prepareTarget(FullDisk& disk, bool existing, const QString& name) {
    const QString target = disk.filePath(name);
    if (existing) {
        QFile f(target);
        if (f.open(QIODevice::WriteOnly))
            f.write(kOldContent);
    }
    disk.fill();
    return target;
}

// The old file as it was, or still no file; and nothing else left behind.
void verifyUntouched(const FullDisk& disk, const QString& target, bool existing) {
    if (existing)
        QCOMPARE(contents(target), kOldContent);
    else
        QVERIFY(!QFile::exists(target));
    const QStringList left = QDir(disk.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    QCOMPARE(left.size(), existing ? 1 : 0);
}

void addTargetRows() {
    QTest::addColumn<bool>("existing");
    QTest::newRow("new file") << false;
    QTest::newRow("over an existing file") << true;
}

} // namespace

class TestFullDisk : public QObject {
    Q_OBJECT
private slots:
    void theEngineSaveFails_data() { addTargetRows(); }
    void theEngineSaveFails() {
        QFETCH(bool, existing);
        FullDisk disk;
        QUILLARY_REQUIRE_FULL_DISK(disk);
        const QString target = prepareTarget(disk, existing, QStringLiteral("agenda.doc"));
        const testing::TypedAgenda agenda(testing::sampleWithItems(20));
        try {
            agenda.doc->SaveAs(target);
            QFAIL("The save said nothing");
        } catch (const platform::RuntimeError& e) {
            QVERIFY2(e.description().contains(kNoSpace), qPrintable(e.description()));
        }
        verifyUntouched(disk, target, existing);
    }

    // "Save Results To Word File" and "Export as PDF…": one box after any
    // overwrite question, the disk's words in it, no "Done.".
    void aSaveFromThePreviewFailsWithoutDone_data() {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<bool>("existing");
        QTest::newRow("Word file, new") << false << false;
        QTest::newRow("Word file, over an existing one") << false << true;
        QTest::newRow("PDF, new") << true << false;
        QTest::newRow("PDF, over an existing one") << true << true;
    }
    void aSaveFromThePreviewFailsWithoutDone() {
        QFETCH(bool, pdf);
        QFETCH(bool, existing);
        FullDisk disk;
        QUILLARY_REQUIRE_FULL_DISK(disk);
        SharingRun run(20);
        run.g.t.messages.clear();
        const QString target = prepareTarget(
            disk, existing, pdf ? QStringLiteral("agenda.pdf") : QStringLiteral("agenda.doc"));
        run.g.t.shell.chooseNext(target);
        if (pdf)
            run.preview->exportPdf();
        else
            run.preview->PushButton6_Click();
        const QStringList boxes = run.g.t.messages.texts();
        QCOMPARE(boxes.size(), existing ? 2 : 1);
        QVERIFY2(boxes.last().contains(kNoSpace), qPrintable(boxes.last()));
        if (!pdf)
            QVERIFY(boxes.last().contains(QStringLiteral("Form2.PushButton6_Click at line 130")));
        verifyUntouched(disk, target, existing);
    }

    // TEMP full: the first box is the builder's save (line 322) with the
    // disk's words; what follows is the error chain as the trap has it; the
    // preview's save then reports the document as incomplete and writes
    // nothing.
    void aFullTemporaryFolderFailsTheBuildersSave() {
        FullDisk disk;
        QUILLARY_REQUIRE_FULL_DISK(disk);
        testing::GenerationRun g;
        disk.fill();
        qputenv("TEMP", QFile::encodeName(disk.path()));
        g.form().PushButton5_Click();
        g.form().PushButton1_Click();
        const QStringList boxes = g.t.messages.texts();
        QVERIFY(!boxes.isEmpty());
        QVERIFY2(boxes[0].contains(kNoSpace), qPrintable(boxes[0]));
        QVERIFY2(
            boxes[0].contains(QStringLiteral("MeetingAgenda.GenerateMeetingAgenda at line 322")),
            qPrintable(boxes[0]));

        g.t.messages.clear();
        const QString target = g.temp.filePath(QStringLiteral("saved.doc"));
        g.t.shell.chooseNext(target);
        g.form().form2().PushButton6_Click();
        const QStringList saveBoxes = g.t.messages.texts();
        QCOMPARE(saveBoxes.size(), 1);
        QVERIFY2(saveBoxes[0].contains(QStringLiteral("is not complete")),
                 qPrintable(saveBoxes[0]));
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_MAIN(TestFullDisk)
#include "test_full_disk.moc"

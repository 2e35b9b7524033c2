// Export as PDF from the preview: the dialog, the name, the overwrite
// question, atomic writing, and the PDF itself read back with poppler's
// tools: pages, paper, title, embedded fonts and the words of every page.
#include "SharingFixture.h"

#include "platform/controls/PictureBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using testing::PdfFile;
using testing::SharingRun;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The file fontconfig gives for a pattern, as every program here gets it.
QString fontFile(const char* pattern) {
    QProcess match;
    match.start(QStringLiteral("fc-match"),
                {QStringLiteral("-f"), QStringLiteral("%{file}"), QString::fromLatin1(pattern)});
    match.waitForFinished();
    return QString::fromLocal8Bit(match.readAllStandardOutput());
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestPdfExport : public QObject {
    Q_OBJECT
private slots:
    void thePdfHoldsEveryPageAsLaidOut_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("paper");
        QTest::newRow("sample, Letter") << 0 << QByteArray("en_US.UTF-8") << "(letter)";
        QTest::newRow("sample, A4") << 0 << QByteArray("de_DE.UTF-8") << "(A4)";
        QTest::newRow("three pages, Letter") << 38 << QByteArray("en_US.UTF-8") << "(letter)";
        QTest::newRow("three pages, A4") << 45 << QByteArray("C") << "(A4)";
    }
    void thePdfHoldsEveryPageAsLaidOut() {
        QFETCH(int, items);
        QFETCH(QByteArray, locale);
        QFETCH(QString, paper);
        SharingRun run(items, locale.constData());
        QVERIFY(run.g.t.messages.boxes.isEmpty());
        const QString target = run.g.temp.filePath(QStringLiteral("agenda.pdf"));
        run.g.t.shell.chooseNext(target);
        run.preview->exportPdf();
        QCOMPARE(run.g.t.messages.texts(), QStringList{QStringLiteral("Done.")});

        const PdfFile pdf(target);
        QVERIFY(pdf.valid);
        QCOMPARE(pdf.pages, run.listedPages());
        if (items > 0)
            QCOMPARE(pdf.pages, 3);
        QVERIFY2(pdf.pageSize.endsWith(paper), qPrintable(pdf.pageSize));
        QCOMPARE(pdf.title, run.title());
        QVERIFY(!pdf.fonts.isEmpty());
        for (const PdfFile::Font& font : pdf.fonts)
            QVERIFY2(font.embedded, qPrintable(font.name));
        // Only the glyphs used go in: the whole PDF is smaller than the
        // faces it draws with.
        qint64 faces = 0;
        for (const char* pattern : {"Arial Black", "Tahoma", "Tahoma:bold"})
            faces += QFileInfo(fontFile(pattern)).size();
        QVERIFY2(QFileInfo(target).size() < faces / 2,
                 qPrintable(QStringLiteral("%1 of %2").arg(QFileInfo(target).size()).arg(faces)));
        const QList<QStringList> engine = run.engineWords();
        QCOMPARE(engine.size(), pdf.pages);
        for (int page = 1; page <= pdf.pages; ++page)
            QCOMPARE(SharingRun::sorted(pdf.words(page)), engine[page - 1]);
    }

    void theDialogProposesTheTitleInTheDocumentsFolder() {
        SharingRun run;
        run.g.form().txtMeetingTitle->setText(QStringLiteral("Budget/Q3: review"));
        run.preview->exportPdf(); // cancelled
        QCOMPARE(run.g.t.shell.dialogs.size(), 1);
        const auto& dialog = run.g.t.shell.dialogs[0];
        QCOMPARE(dialog.title, QStringLiteral("Export as PDF"));
        QCOMPARE(dialog.filter, QStringLiteral("PDF Files (*.pdf)|*.pdf"));
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(dialog.fileName,
                 QDir(documents).filePath(QStringLiteral("Budget Q3: review.pdf")));
        QVERIFY(run.g.t.messages.boxes.isEmpty()); // nothing to say after a cancel
    }

    void aNameWithoutExtensionGetsOne() {
        SharingRun run;
        const QString typed = run.g.temp.filePath(QStringLiteral("minutes"));
        run.g.t.shell.chooseNext(typed);
        run.preview->exportPdf();
        QVERIFY(!QFile::exists(typed));
        QVERIFY(PdfFile(typed + QStringLiteral(".pdf")).valid);
    }

    void anExistingFileIsReplacedOnlyOnYes() {
        SharingRun run;
        const QString target = run.g.temp.filePath(QStringLiteral("kept.pdf"));
        write(target, "old");
        run.g.t.shell.chooseNext(target);
        run.g.t.messages.answerNext(platform::MsgAnswer::No);
        run.preview->exportPdf();
        QCOMPARE(run.g.t.messages.texts(),
                 QStringList{QStringLiteral("Are you sure you wish to overwrite ") + target +
                             QStringLiteral(" ?")});
        QCOMPARE(contents(target), QByteArray("old"));

        run.g.t.messages.boxes.clear();
        run.g.t.shell.chooseNext(target);
        run.g.t.messages.answerNext(platform::MsgAnswer::Yes);
        run.preview->exportPdf();
        QCOMPARE(run.g.t.messages.texts().last(), QStringLiteral("Done."));
        QVERIFY(PdfFile(target).valid);
    }

    void aFolderThatCannotBeWrittenGivesAnErrorAndNoFile() {
        SharingRun run;
        const QString blocker = run.g.temp.filePath(QStringLiteral("plain-file"));
        write(blocker, "not a folder");
        const QString target = blocker + QStringLiteral("/agenda.pdf");
        run.g.t.shell.chooseNext(target);
        run.preview->exportPdf();
        QCOMPARE(run.g.t.messages.boxes.size(), 1);
        QVERIFY(run.g.t.messages.texts()[0].startsWith(
            QStringLiteral("The agenda could not be exported as a PDF.\r\n")));
        QCOMPARE(run.g.t.messages.boxes[0].icon, platform::MsgIcon::Exclamation);
        QVERIFY(!QFile::exists(target));
        QCOMPARE(contents(blocker), QByteArray("not a folder"));
    }

    void theWorkingCopyIsRefused() {
        SharingRun run;
        const QByteArray document = contents(run.preview->mWordFile);
        run.g.t.shell.chooseNext(run.preview->mWordFile);
        run.preview->exportPdf();
        QCOMPARE(run.g.t.messages.boxes.size(), 1);
        QVERIFY(run.g.t.messages.texts()[0].contains(QStringLiteral("working copy")));
        QCOMPARE(contents(run.preview->mWordFile), document);
    }

    // The keys and the context menus reach the same handlers.
    void keysAndMenusExportPrintAndSave() {
        SharingRun run;
        Form2& p = *run.preview;
        p.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        QTest::keyClick(&p, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(run.g.t.shell.dialogs.last().title, QStringLiteral("Export as PDF"));
        QTest::keyClick(&p, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(run.g.t.shell.dialogs.last().title, QStringLiteral("Save File"));
        QTest::keyClick(&p, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(run.g.t.shell.printDialogPages, QList<int>{1});

        for (QWidget* area : {static_cast<QWidget*>(p.Picture2), p.ListView1->viewport()}) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                                    area->mapToGlobal(QPoint(20, 20)));
            QCoreApplication::sendEvent(area, &event);
            QTRY_VERIFY(p.pageMenu->isVisible());
            QStringList entries;
            for (const QAction* action : p.pageMenu->actions())
                entries << action->text();
            QCOMPARE(entries, (QStringList{QStringLiteral("Export as PDF\u2026"),
                                           QStringLiteral("Print\u2026")}));
            p.pageMenu->hide();
        }
        const qsizetype dialogs = run.g.t.shell.dialogs.size();
        p.exportPdfAction->trigger();
        QCOMPARE(run.g.t.shell.dialogs.size(), dialogs + 1);
        p.printAction->trigger();
        QCOMPARE(run.g.t.shell.printDialogPages.size(), 2);
    }
};

QTEST_MAIN(TestPdfExport)
#include "test_pdf_export.moc"

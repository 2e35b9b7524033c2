// Printing from the preview: the print dialog gets the page count, the
// printer gets the document's paper, and the pages, range and copies the
// dialog chose come out at physical scale.
#include "SharingFixture.h"
#include "support/PrintService.h"

#include "platform/shell/DesktopShell.h"
#include "platform/shell/PrintJobOptions.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace std::chrono_literals;
using testing::PdfFile;
using testing::SharingRun;

namespace {

// Page `page` of a PDF at 96 dpi, as a person's viewer shows it.
QImage pdfPage(const QString& pdf, int page) {
    QTemporaryDir dir;
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-gray"),
                  QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                  QString::number(page), QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf,
                  dir.filePath(QStringLiteral("page"))});
    render.waitForFinished(30000);
    return QImage(dir.filePath(QStringLiteral("page.png")));
}

// The share of pixels two renderings of a page disagree on by more than a
// shade.
double difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    const QImage x = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage y = b.convertToFormat(QImage::Format_Grayscale8);
    long differ = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            differ += std::abs(x.constScanLine(row)[col] - y.constScanLine(row)[col]) > 64;
    return double(differ) / (x.width() * x.height());
}

// A print dialog answered by a user who picks a file as the printer.
std::function<bool(QPrinter&)> printToFile(const QString& path, int from, int to, int copies,
                                           bool collate) {
    return [=](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(from, to);
        }
        printer.setCopyCount(copies);
        printer.setCollateCopies(collate);
        return true;
    };
}

// The queue as a system's cups-pdf queue is: default filters, A4 paper.
const QString kPlainQueue = QStringLiteral("quillary-pdf-plain");
// Where Qt's print engine keeps the job's options for the print service.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The real print dialog, answered by a user who chooses `queue` in the
// printer list and prints; with a valid `paper`, the user first opens the
// printer's properties, picks that paper there and confirms. `proposed`
// gets the paper the properties showed as they opened.
void answerPrintDialog(const QString& queue, const QPageSize& paper = QPageSize(),
                       std::shared_ptr<QString> proposed = nullptr) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        printers->setCurrentIndex(printers->findText(queue));
        if (paper.isValid()) {
            QTimer::singleShot(0, [=] {
                auto* properties = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                auto* sizes = properties->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
                if (proposed)
                    *proposed = sizes->currentText();
                for (int i = 0; i < sizes->count(); ++i)
                    if (sizes->itemData(i).value<QPageSize>().isEquivalentTo(paper))
                        sizes->setCurrentIndex(i);
                properties->accept();
            });
            dialog->findChild<QPushButton*>(QStringLiteral("properties"))->click();
        }
        dialog->accept();
    });
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void pagesRangesAndCopiesComeOutAsChosen_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("collate");
        QTest::addColumn<QList<int>>("pages");
        QTest::newRow("all") << 0 << 0 << 1 << true << QList<int>{1, 2, 3};
        QTest::newRow("pages 2 to 3") << 2 << 3 << 1 << true << QList<int>{2, 3};
        QTest::newRow("two collated copies of 2 to 3")
            << 2 << 3 << 2 << true << QList<int>{2, 3, 2, 3};
        QTest::newRow("two uncollated copies of 1 to 2")
            << 1 << 2 << 2 << false << QList<int>{1, 1, 2, 2};
    }
    void pagesRangesAndCopiesComeOutAsChosen() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, copies);
        QFETCH(bool, collate);
        QFETCH(QList<int>, pages);
        SharingRun run(38);
        QCOMPARE(run.listedPages(), 3);
        const QString printed = run.g.temp.filePath(QStringLiteral("printed.pdf"));
        run.g.t.shell.onPrint = printToFile(printed, from, to, copies, collate);
        run.preview->printAgenda();
        QVERIFY(run.g.t.messages.boxes.isEmpty());
        QCOMPARE(run.g.t.shell.printDialogPages, QList<int>{3});
        const PdfFile pdf(printed);
        QCOMPARE(pdf.pages, pages.size());
        QVERIFY2(pdf.pageSize.endsWith(QStringLiteral("(letter)")), qPrintable(pdf.pageSize));
        const QList<QStringList> engine = run.engineWords();
        for (int i = 0; i < pages.size(); ++i)
            QCOMPARE(SharingRun::sorted(pdf.words(i + 1)), engine[pages[i] - 1]);
    }

    // The printed sheet and the exported PDF's page look the same: both are
    // the page at its physical size from the paper's corner.
    void aPrintedPageMatchesTheExportedPage() {
        SharingRun run(0, "de_DE.UTF-8");
        const QString printed = run.g.temp.filePath(QStringLiteral("printed.pdf"));
        const QString exported = run.g.temp.filePath(QStringLiteral("exported.pdf"));
        run.g.t.shell.onPrint = printToFile(printed, 0, 0, 1, true);
        run.preview->printAgenda();
        run.g.t.shell.chooseNext(exported);
        run.preview->exportPdf();
        QVERIFY(PdfFile(printed).pageSize.endsWith(QStringLiteral("(A4)")));
        const QImage a = pdfPage(printed, 1);
        const QImage b = pdfPage(exported, 1);
        QCOMPARE(a.size(), QSize(794, 1123));
        QVERIFY2(difference(a, b) < 0.002, qPrintable(QString::number(difference(a, b))));
    }

    // Through a real print service: the job reaches the CUPS queue with the
    // document's paper, the chosen range and collated copies, and comes out
    // with the words of the pages the engine laid out.
    void theJobGoesThroughThePrintService() {
        QUILLARY_REQUIRE_PRINT_SERVICE();
        SharingRun run(45, "de_DE.UTF-8");
        QCOMPARE(run.listedPages(), 3);
        const QString title = QStringLiteral("Agenda-round-trip");
        run.g.form().txtMeetingTitle->setText(title);
        run.g.t.shell.onPrint = [](QPrinter& printer) {
            printer.setPrinterName(QString::fromLatin1(testing::PrintService::queue));
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(2, 3);
            printer.setCopyCount(2);
            printer.setCollateCopies(true);
            return printer.isValid();
        };
        run.preview->printAgenda();
        QVERIFY2(run.g.t.messages.boxes.isEmpty(), qPrintable(run.g.t.messages.texts().join('|')));
        const QString pdf = testing::PrintService::waitForPdf(title, 60s);
        QVERIFY2(!pdf.isEmpty(), qPrintable(testing::PrintService::outputFolder()));
        const PdfFile printed(pdf);
        QCOMPARE(printed.pages, 4);
        QCOMPARE(printed.pageSize, QStringLiteral("595 x 842 pts (A4)"));
        const QList<QStringList> engine = run.engineWords();
        const QList<int> order{2, 3, 2, 3};
        for (int i = 0; i < order.size(); ++i)
            QCOMPARE(SharingRun::sorted(printed.words(i + 1)), engine[order[i] - 1]);
    }

    // The print dialog proposes the document's paper, not the queue's
    // default; the user may choose another.
    void theDialogKeepsTheDocumentsPaper_data() {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("printed");
        QTest::newRow("paper not looked at") << int(QPageSize::Custom) << int(QPageSize::Letter);
        QTest::newRow("Letter confirmed") << int(QPageSize::Letter) << int(QPageSize::Letter);
        QTest::newRow("the user picks A4") << int(QPageSize::A4) << int(QPageSize::A4);
    }
    void theDialogKeepsTheDocumentsPaper() {
        QFETCH(int, chosen);
        QFETCH(int, printed);
        QUILLARY_REQUIRE_PRINT_SERVICE();
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        const auto proposed = std::make_shared<QString>();
        answerPrintDialog(kPlainQueue,
                          chosen == QPageSize::Custom ? QPageSize()
                                                      : QPageSize(QPageSize::PageSizeId(chosen)),
                          proposed);
        QVERIFY(platform::DesktopShell().askPrint(printer, 2));
        QCOMPARE(printer.printerName(), kPlainQueue);
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::PageSizeId(printed));
        if (chosen != QPageSize::Custom) // the properties opened on the document's paper
            QVERIFY2(proposed->contains(QStringLiteral("Letter")), qPrintable(*proposed));
    }

    // Through the real dialog and a queue with the default filter chain
    // and A4 as its paper, a Letter agenda comes out on Letter, looking as
    // the exported PDF does: the glyphs kept as fonts, not redrawn as
    // bitmaps at the queue's resolution, so the text is there to read.
    void aLetterAgendaComesOutOnLetterThroughAPlainQueue() {
        QUILLARY_REQUIRE_PRINT_SERVICE();
        SharingRun run(0, "en_US.UTF-8");
        const QString title = QStringLiteral("Agenda-plain-queue");
        run.g.form().txtMeetingTitle->setText(title);
        run.g.t.shell.onPrint = [](QPrinter& printer) {
            answerPrintDialog(kPlainQueue);
            return platform::DesktopShell().askPrint(printer, 1);
        };
        run.preview->printAgenda();
        QVERIFY2(run.g.t.messages.boxes.isEmpty(), qPrintable(run.g.t.messages.texts().join('|')));
        const QString printed = testing::PrintService::waitForPdf(title, 60s, kPlainQueue);
        QVERIFY2(!printed.isEmpty(), qPrintable(testing::PrintService::outputFolder()));
        const PdfFile pdf(printed);
        QCOMPARE(pdf.pageSize, QStringLiteral("612 x 792 pts (letter)"));
        QCOMPARE(SharingRun::sorted(pdf.words(1)), run.engineWords()[0]);
        const QString exported = run.g.temp.filePath(QStringLiteral("exported.pdf"));
        run.g.t.shell.chooseNext(exported);
        run.preview->exportPdf();
        const QImage a = pdfPage(printed, 1);
        const QImage b = pdfPage(exported, 1);
        QVERIFY2(difference(a, b) < 0.002, qPrintable(QString::number(difference(a, b))));
    }

    // The job asks for the glyphs' outlines only where nobody chose a
    // converter: not where the queue names one, not for a file.
    void theJobAsksForOutlinesWhereNoConverterIsNamed() {
        QUILLARY_REQUIRE_PRINT_SERVICE();
        const auto options = [](const QString& queue, const QString& file) {
            QPrinter printer;
            printer.setPrinterName(queue);
            printer.setOutputFileName(file);
            platform::keepGlyphOutlines(printer);
            return printer.printEngine()->property(kCupsOptions).toStringList().join(' ');
        };
        QVERIFY(options(kPlainQueue, {}).contains(QStringLiteral("pdftops-renderer pdftocairo")));
        const QString tuned = QString::fromLatin1(testing::PrintService::queue);
        QVERIFY(!options(tuned, {}).contains(QStringLiteral("pdftops-renderer")));
        QVERIFY(!options(kPlainQueue, QDir::temp().filePath(QStringLiteral("x.pdf")))
                     .contains(QStringLiteral("pdftops-renderer")));
        // A converter the job already names is kept.
        QPrinter chosen;
        chosen.setPrinterName(kPlainQueue);
        chosen.printEngine()->setProperty(kCupsOptions, QStringList{"pdftops-renderer", "gs"});
        platform::keepGlyphOutlines(chosen);
        QCOMPARE(chosen.printEngine()->property(kCupsOptions),
                 QVariant(QStringList{"pdftops-renderer", "gs"}));
    }

    void aCancelledDialogPrintsNothing() {
        SharingRun run;
        run.preview->printAgenda();
        QCOMPARE(run.g.t.shell.printDialogPages, QList<int>{1});
        QVERIFY(run.g.t.messages.boxes.isEmpty());
    }

    void aPrinterThatCannotPrintIsReported() {
        SharingRun run;
        run.g.t.shell.onPrint = printToFile(
            run.g.temp.filePath(QStringLiteral("no-such-folder/printed.pdf")), 0, 0, 1, true);
        run.preview->printAgenda();
        QCOMPARE(run.g.t.messages.boxes.size(), 1);
        QVERIFY(run.g.t.messages.texts()[0].startsWith(
            QStringLiteral("The agenda could not be printed.\r\n")));
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"

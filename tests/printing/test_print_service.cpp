// The private print service as Qt's printing sees it: its queue is found
// through CUPS and is the default printer, and pages painted on a QPrinter
// come out of it as a PDF of the page size asked for, with the text drawn.
#include "support/PdfFile.h"
#include "support/PrintService.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

#include <algorithm>

using namespace std::chrono_literals;

class TestPrintService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QUILLARY_REQUIRE_PRINT_SERVICE(); }
    void queueIsTheDefaultPrinter();
    void paintedPagesComeOutAsPdf_data();
    void paintedPagesComeOutAsPdf();
};

void TestPrintService::queueIsTheDefaultPrinter() {
    const QString queue = QString::fromLatin1(testing::PrintService::queue);
    QVERIFY2(QPrinterInfo::availablePrinterNames().contains(queue),
             qPrintable(QPrinterInfo::availablePrinterNames().join(QLatin1Char(' '))));
    QCOMPARE(QPrinterInfo::defaultPrinterName(), queue);
    const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
    QVERIFY(!info.isNull());
    const QList<QPageSize> sizes = info.supportedPageSizes();
    for (const QPageSize& paper : {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)})
        QVERIFY2(std::any_of(sizes.begin(), sizes.end(),
                             [&](const QPageSize& size) { return size.isEquivalentTo(paper); }),
                 qPrintable(paper.name()));
}

void TestPrintService::paintedPagesComeOutAsPdf_data() {
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<QString>("size");
    QTest::newRow("A4") << QPageSize::A4 << QStringLiteral("595 x 842 pts (A4)");
    QTest::newRow("Letter") << QPageSize::Letter << QStringLiteral("612 x 792 pts (letter)");
}

void TestPrintService::paintedPagesComeOutAsPdf() {
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(QString, size);
    const QString title =
        QStringLiteral("qt-pages-") + QString::fromLatin1(QTest::currentDataTag());
    const QStringList lines = {QStringLiteral("Quillary prints page one"),
                               QStringLiteral("and then page two")};

    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(QString::fromLatin1(testing::PrintService::queue));
    QVERIFY(printer.isValid());
    QCOMPARE(printer.outputFormat(), QPrinter::NativeFormat);
    printer.setDocName(title);
    QVERIFY(printer.setPageSize(QPageSize(paper)));
    QPainter painter;
    QVERIFY(painter.begin(&printer));
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 14));
    painter.drawText(QPointF(100, 300), lines[0]);
    QVERIFY(printer.newPage());
    painter.drawText(QPointF(100, 300), lines[1]);
    QVERIFY(painter.end());

    const QString pdf = testing::PrintService::waitForPdf(title, 60s);
    QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("No PDF of \"%1\" in %2")
                                            .arg(title, testing::PrintService::outputFolder())));
    const testing::PdfFile contents(pdf);
    QVERIFY2(contents.valid, qPrintable(pdf));
    QCOMPARE(contents.pages, 2);
    QCOMPARE(contents.pageSize, size);
    QCOMPARE(contents.words(1), testing::wordsOf(lines[0]));
    QCOMPARE(contents.words(2), testing::wordsOf(lines[1]));
}

QTEST_MAIN(TestPrintService)
#include "test_print_service.moc"

// A print job the print service refuses is told, once, in the service's
// words: the service stopped between the print dialog and printing, a queue
// that takes no jobs. The test runs a print service of its own
// (support/private-cups), since it stops it.
#include "SharingFixture.h"

#include <QPrinter>
#include <QProcess>
#include <QtTest>

using testing::SharingRun;

namespace {

const QString kQueue = QStringLiteral("quillary-pdf");

// Runs the private service's script or a CUPS command; its exit code.
int command(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

int service(const char* action) {
    return command(QStringLiteral(QUILLARY_PRIVATE_CUPS),
                   {QString::fromLatin1(action), QStringLiteral(QUILLARY_PRINT_FAILURE_SERVICE)});
}

QString unavailableReason() {
    QFile file(QStringLiteral(QUILLARY_PRINT_FAILURE_SERVICE "/unavailable"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed()
                                          : QStringLiteral("The print service did not start");
}

} // namespace

class TestPrintFailure : public QObject {
    Q_OBJECT
private slots:
    void init() {
        const int started = service("start");
        if (started != 0)
            QSKIP(qPrintable(unavailableReason()));
    }
    void cleanup() { service("stop"); }

    void aRefusedJobIsToldOnce_data() {
        QTest::addColumn<QString>("refusal");
        QTest::newRow("the service stopped after the dialog") << "stopped";
        QTest::newRow("a queue that takes no jobs") << "rejecting";
    }
    void aRefusedJobIsToldOnce() {
        QFETCH(QString, refusal);
        SharingRun run(0, "de_DE.UTF-8");
        if (refusal == QLatin1String("rejecting"))
            QCOMPARE(command(QStringLiteral("cupsreject"), {kQueue}), 0);
        run.g.t.shell.onPrint = [&](QPrinter& printer) {
            printer.setPrinterName(kQueue);
            const bool chosen = printer.isValid();
            if (refusal == QLatin1String("stopped"))
                service("stop");
            return chosen;
        };
        run.preview->printAgenda();
        const QStringList boxes = run.g.t.messages.texts();
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].startsWith(QStringLiteral("The agenda could not be printed.\r\n") +
                                     kQueue + QStringLiteral(": ")),
                 qPrintable(boxes[0]));
        QVERIFY2(boxes[0].size() > 50, qPrintable(boxes[0])); // the service said something
    }
};

QTEST_MAIN(TestPrintFailure)
#include "test_print_failure.moc"

#include "app/CommandLine.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

using app::readCommandLine;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void withoutArgumentsTheProgramStarts() {
        const auto request = readCommandLine({QStringLiteral("quillary")});
        QVERIFY(request.run);
        QVERIFY(request.output.isEmpty());
        QVERIFY(request.error.isEmpty());
    }

    void aFileIsOpenedByItsAbsolutePath() {
        const auto relative = readCommandLine({"quillary", "meetings/week.quillary"});
        QVERIFY2(relative.run, qPrintable(relative.error));
        QCOMPARE(relative.file, QDir::current().absoluteFilePath("meetings/week.quillary"));
        // After "--" a name may start with a dash.
        const auto dashed = readCommandLine({"quillary", "-platform", "offscreen", "--", "-x.ics"});
        QVERIFY2(dashed.run, qPrintable(dashed.error));
        QCOMPARE(dashed.file, QDir::current().absoluteFilePath("-x.ics"));
        QCOMPARE(readCommandLine({"quillary", "/tmp/a.ics"}).file, QString("/tmp/a.ics"));
    }

    void versionPrintsNameAndProjectVersion_data() {
        QTest::addColumn<QString>("option");
        QTest::newRow("long") << QStringLiteral("--version");
        QTest::newRow("short") << QStringLiteral("-v");
    }
    void versionPrintsNameAndProjectVersion() {
        QFETCH(QString, option);
        const auto request = readCommandLine({QStringLiteral("/usr/bin/quillary"), option});
        QVERIFY(!request.run);
        QCOMPARE(request.exitCode, 0);
        QCOMPARE(request.output, QStringLiteral("Quillary " PROJECT_VERSION "\n"));
    }

    void helpListsTheOptionsUnderTheProgramsName() {
        const auto request =
            readCommandLine({QStringLiteral("/usr/lib/quillary/quillary"), QStringLiteral("-h")});
        QVERIFY(!request.run);
        QCOMPARE(request.exitCode, 0);
        QVERIFY2(request.output.startsWith(QStringLiteral("Usage: quillary [options] [file]")),
                 qPrintable(request.output));
        QVERIFY(request.output.contains(QStringLiteral("--help")));
        QVERIFY(request.output.contains(QStringLiteral("--version")));
        // Qt's options are accepted, not advertised one by one.
        QVERIFY(!request.output.contains(QStringLiteral("--platform")));
        QCOMPARE(readCommandLine({QStringLiteral("quillary"), QStringLiteral("--help")}).output,
                 request.output);
    }

    void qtsOwnOptionsAreLeftToQt_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("platform") << QStringList{"-platform", "offscreen"};
        QTest::newRow("double dash") << QStringList{"--platform", "offscreen"};
        QTest::newRow("style=") << QStringList{"-style=fusion"};
        QTest::newRow("several") << QStringList{"-display", ":1", "-reverse", "-geometry",
                                                "800x600+0+0"};
    }
    void qtsOwnOptionsAreLeftToQt() {
        QFETCH(QStringList, arguments);
        const auto request = readCommandLine(QStringList{"quillary"} + arguments);
        QVERIFY2(request.run, qPrintable(request.error));
    }

    void unknownOptionsAndArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("option") << QStringList{"--frobnicate"}
                                << QStringLiteral("Unknown option 'frobnicate'.");
        QTest::newRow("second file") << QStringList{"week.quillary", "invite.ics"}
                                     << QStringLiteral("Unexpected argument 'invite.ics'.");
        QTest::newRow("option after a file") << QStringList{"week.quillary", "--frobnicate"}
                                             << QStringLiteral("Unknown option 'frobnicate'.");
        QTest::newRow("value missing")
            << QStringList{"-platform"} << QStringLiteral("Missing value after '-platform'.");
    }
    void unknownOptionsAndArgumentsAreRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const auto request = readCommandLine(QStringList{"quillary"} + arguments);
        QVERIFY(!request.run);
        QCOMPARE(request.exitCode, app::kUsageExitCode);
        QVERIFY(request.output.isEmpty());
        QCOMPARE(request.error, QStringLiteral("quillary: %1\nTry 'quillary --help' for more "
                                               "information.\n")
                                    .arg(reason));
    }

    // The real program, with no display to talk to: it answers and ends.
    void theProgramAnswersWithoutADisplay_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("version") << QStringLiteral("--version") << 0
                                 << QStringLiteral("Quillary " PROJECT_VERSION "\n");
        QTest::newRow("help") << QStringLiteral("--help") << 0 << QStringLiteral("Usage: ");
        QTest::newRow("refused") << QStringLiteral("--nonsense") << app::kUsageExitCode
                                 << QString();
    }
    void theProgramAnswersWithoutADisplay() {
        QFETCH(QString, option);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        const Answer answer = run(option, QStringLiteral("C.UTF-8"));
        QCOMPARE(answer.exitCode, exitCode);
        QVERIFY2(answer.out.startsWith(expected), qPrintable(answer.out));
        QCOMPARE(answer.err.isEmpty(), exitCode == 0);
    }

    // In the user's language: the program's own words and Qt's.
    void theProgramAnswersInTheUsersLanguage() {
        const Answer german = run(QStringLiteral("--help"), QStringLiteral("de_DE.UTF-8"));
        QVERIFY2(german.out.startsWith(QStringLiteral("Aufruf: quillary [Optionen] [Datei]\n")),
                 qPrintable(german.out));
        QVERIFY2(german.out.contains(QStringLiteral("Diese Hilfe anzeigen und beenden.")) &&
                     german.out.contains(QStringLiteral("Optionen:")),
                 qPrintable(german.out));
        const Answer french = run(QStringLiteral("a.ics b.ics"), QStringLiteral("fr_FR.UTF-8"));
        QCOMPARE(french.exitCode, app::kUsageExitCode);
        QCOMPARE(french.err, QStringLiteral("quillary\u00a0: Argument inattendu \u00ab\u00a0b.ics"
                                            "\u00a0\u00bb.\nEssayez \u00ab\u00a0quillary --help"
                                            "\u00a0\u00bb pour plus d\u2019informations.\n"));
    }

private:
    struct Answer {
        int exitCode = -1;
        QString out;
        QString err;
    };

    // The real program run with `arguments` (split at blanks) in `locale`,
    // with no display to talk to.
    static Answer run(const QString& arguments, const QString& locale) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANG"), locale);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(QUILLARY_EXECUTABLE), arguments.split(QLatin1Char(' ')));
        if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
            return {};
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"

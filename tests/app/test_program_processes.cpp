// The running program as a child process of the test: ended by signals,
// started twice on the same settings, taking over a crashed run's lock.
#include "entry/MeetingFile.h"
#include "platform/settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <memory>
#include <unistd.h>

namespace {

// A folder of its own for each run: settings, runtime folder, TEMP, state.
struct Scratch {
    QTemporaryDir dir;
    QString config() const { return dir.filePath("config"); }
    QString runtime() const { return dir.filePath("run"); }
    QString temp() const { return dir.filePath("temp"); }
    QString state() const { return dir.filePath("state"); }
    QString settingsFile() const { return config() + "/Marrowind.ini"; }
    // The recovery copies in the state folder.
    QStringList recoveryFiles() const {
        return QDir(state() + "/quillary").entryList({"*.recovery"}, QDir::Files);
    }
    Scratch() {
        for (const QString& f : {config(), runtime(), temp(), state()})
            QDir().mkpath(f);
        QFile::setPermissions(runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
    }
};

class Program {
public:
    // On `display` (an X display name) when one is given, else offscreen;
    // `file` is handed to the program as the file it is started with.
    Program(const Scratch& s, const QString& mode, const QString& config = QString(),
            const QString& file = QString(), const QString& display = QString()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", display.isEmpty() ? "offscreen" : "xcb");
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        env.insert("XDG_CONFIG_HOME", config.isEmpty() ? s.config() : config);
        env.insert("XDG_STATE_HOME", s.state());
        env.insert("XDG_RUNTIME_DIR", s.runtime());
        env.insert("TEMP", s.temp());
        m_process.setProcessEnvironment(env);
        m_process.start(QUILLARY_PROGRAM_CHILD,
                        file.isEmpty() ? QStringList{mode} : QStringList{mode, file});
    }
    ~Program() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    // The first line printed that starts with `prefix`; empty after a timeout.
    QString waitForLine(const QString& prefix, int ms = 20000) {
        QDeadlineTimer deadline(ms);
        for (;;) {
            while (m_process.canReadLine()) {
                const QString line = QString::fromLocal8Bit(m_process.readLine()).trimmed();
                m_output << line;
                if (line.startsWith(prefix))
                    return line;
            }
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
                return QString();
            m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        }
    }
    // True once a line starting with `prefix` was printed, before or within `ms`.
    bool printed(const QString& prefix, int ms = 20000) {
        for (const QString& line : std::as_const(m_output))
            if (line.startsWith(prefix))
                return true;
        return !waitForLine(prefix, ms).isEmpty();
    }
    void signal(int number) { ::kill(pid_t(m_process.processId()), number); }
    // True when the program ended by itself with exit code 0.
    bool endsCleanly(int ms = 20000) {
        if (!m_process.waitForFinished(ms))
            return false;
        m_output += QString::fromLocal8Bit(m_process.readAll()).split('\n', Qt::SkipEmptyParts);
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }
    QStringList output() const { return m_output; }
    QStringList boxes() const { return m_output.filter(QRegularExpression("^box: ")); }

private:
    QProcess m_process;
    QStringList m_output;
};

// An X server of the test's own, on the first free display from :120 on.
class DisplayServer {
public:
    ~DisplayServer() { kill(); }
    bool start() {
        for (int n = 120; n < 160; ++n) {
            if (QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)) ||
                QFile::exists(QString("/tmp/.X%1-lock").arg(n)))
                continue;
            m_server.start("Xvfb", {QString(":%1").arg(n), "-nolisten", "tcp", "-screen", "0",
                                    "1280x1024x24"});
            if (!m_server.waitForStarted())
                return false;
            QDeadlineTimer deadline(10000);
            while (!deadline.hasExpired() && m_server.state() == QProcess::Running &&
                   !QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)))
                QThread::msleep(50);
            if (m_server.state() == QProcess::Running) {
                m_display = QString(":%1").arg(n);
                return true;
            }
            m_server.waitForFinished(); // the display was taken after all
        }
        return false;
    }
    QString display() const { return m_display; }
    // Ends the server at once, as a crash or a closed session would, yet
    // lets it remove its socket and lock.
    void kill() {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(5000)) {
                m_server.kill();
                m_server.waitForFinished();
            }
        }
    }

private:
    QProcess m_server;
    QString m_display;
};

QString storedList(const Scratch& s) {
    return platform::SettingsStore(s.settingsFile()).read("Time", "(none)");
}

} // namespace

class TestProgramProcesses : public QObject {
    Q_OBJECT
private slots:
    void aSignalAfterAddStoresTheList_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void aSignalAfterAddStoresTheList() {
        QFETCH(int, signal);
        Scratch s;
        Program program(s, "entry");
        QCOMPARE(program.waitForLine("ready"), QString("ready"));
        program.signal(signal);
        QVERIFY2(program.endsCleanly(), qPrintable(program.output().join('\n')));
        QCOMPARE(storedList(s), QString("9:00|Budget|Q3|Rm 1"));
        QVERIFY2(program.boxes().isEmpty(), qPrintable(program.boxes().join('\n')));
    }

    void aSignalWithThePreviewOpenDeletesTheDocument() {
        Scratch s;
        Program program(s, "preview");
        // Generating never touched the system clipboard.
        QCOMPARE(program.waitForLine("clipboard "), QString("clipboard 0 copied elsewhere"));
        const QString ready = program.waitForLine("ready ");
        const QString document = ready.mid(6);
        QVERIFY2(QFile::exists(document), qPrintable(program.output().join('\n')));
        program.signal(SIGTERM);
        QVERIFY2(program.endsCleanly(), qPrintable(program.output().join('\n')));
        QVERIFY(!QFile::exists(document));
        QVERIFY(QDir(s.temp()).isEmpty());
        QCOMPARE(storedList(s).count('^'), 1); // the sample's two items
        QVERIFY2(program.boxes().isEmpty(), qPrintable(program.boxes().join('\n')));
    }

    void aSecondStartBringsTheFirstToTheFrontAndEnds() {
        Scratch s;
        Program first(s, "entry");
        QCOMPARE(first.waitForLine("ready"), QString("ready"));
        Program second(s, "entry");
        QVERIFY(second.endsCleanly());
        QVERIFY2(!second.output().contains("ready"), qPrintable(second.output().join('\n')));
        QCOMPARE(first.waitForLine("activated"), QString("activated"));

        // Another settings file is another meeting: that program runs beside.
        Program other(s, "entry", s.dir.filePath("other-config"));
        QCOMPARE(other.waitForLine("ready"), QString("ready"));
        other.signal(SIGTERM);
        QVERIFY(other.endsCleanly());

        first.signal(SIGTERM);
        QVERIFY(first.endsCleanly());
        QCOMPARE(storedList(s), QString("9:00|Budget|Q3|Rm 1"));
    }

    // Killed without a chance to store: the recovery copy written a second
    // after the change brings the list back at the next start, once told.
    void anItemAddedBeforeSIGKILLIsRecovered() {
        Scratch s;
        {
            Program killed(s, "entry");
            QCOMPARE(killed.waitForLine("ready"), QString("ready"));
            QTRY_COMPARE_WITH_TIMEOUT(s.recoveryFiles().size(), 1, 5000);
            killed.signal(SIGKILL);
            QVERIFY(!killed.endsCleanly());
        }
        QCOMPARE(storedList(s), QString("(none)"));
        expectRecovered(s);
    }

    // Qt ends the program at once when its display connection breaks.
    void anItemAddedBeforeTheDisplayServerDiesIsRecovered() {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            QSKIP("needs Xvfb (scripts/setup-debian --test installs it)");
        Scratch s;
        DisplayServer x;
        QVERIFY(x.start());
        {
            Program lost(s, "entry", QString(), QString(), x.display());
            QCOMPARE(lost.waitForLine("ready"), QString("ready"));
            QTRY_COMPARE_WITH_TIMEOUT(s.recoveryFiles().size(), 1, 5000);
            x.kill();
            QVERIFY(!lost.endsCleanly());
        }
        expectRecovered(s);
    }

    // The temporary document of a killed run goes at the next start; a
    // file of the same name that is not this user's stays.
    void theNextStartDeletesTheDocumentOfAKilledRun() {
        Scratch s;
        const QString foreign = s.temp() + "/ovelund12345678.doc";
        QFile(foreign).open(QIODevice::WriteOnly);
        const bool chowned =
            ::geteuid() == 0 && ::chown(QFile::encodeName(foreign), 65534, 65534) == 0;
        QString document;
        {
            Program killed(s, "preview");
            document = killed.waitForLine("ready ").mid(6);
            QVERIFY2(QFile::exists(document), qPrintable(killed.output().join('\n')));
            killed.signal(SIGKILL);
            QVERIFY(!killed.endsCleanly());
        }
        QVERIFY(QFile::exists(document));
        Program next(s, "idle");
        QVERIFY(next.waitForLine("ready").startsWith("ready"));
        QVERIFY(!QFile::exists(document));
        QCOMPARE(QFile::exists(foreign), chowned);
        next.signal(SIGTERM);
        QVERIFY(next.endsCleanly());
    }

    void aFileGivenToASecondStartOpensInTheFirst() {
        Scratch s;
        const QString week1 = s.dir.filePath("week 1.quillary");
        const QString invite = s.dir.filePath("invite.ics");
        entry::Meeting meeting;
        meeting.title = "Week 1";
        meeting.items = {{"9:00", "Standing item", "", ""}};
        QCOMPARE(entry::MeetingFile::save(week1, meeting), QString());
        QFile ics(invite);
        QVERIFY(ics.open(QIODevice::WriteOnly));
        ics.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:x\r\n"
                  "SUMMARY:Week 2\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        ics.close();

        Program first(s, "open", QString(), week1);
        QCOMPARE(first.waitForLine("opened"), QString("opened Week 1"));
        Program second(s, "open", QString(), invite);
        QVERIFY(second.endsCleanly());
        QCOMPARE(first.waitForLine("opened"), QString("opened Week 2"));
        QVERIFY2(!second.output().join('\n').contains("opened"),
                 qPrintable(second.output().join('\n')));
        first.signal(SIGTERM);
        QVERIFY(first.endsCleanly());
        // The invitation kept the agenda of the meeting file.
        QCOMPARE(storedList(s), QString("9:00|Standing item||"));
        QVERIFY2(first.boxes().isEmpty(), qPrintable(first.boxes().join('\n')));
    }

    void theLockOfACrashedRunIsTakenOver() {
        Scratch s;
        {
            Program crashed(s, "entry");
            QCOMPARE(crashed.waitForLine("ready"), QString("ready"));
            crashed.signal(SIGKILL);
            QVERIFY(!crashed.endsCleanly());
        }
        QCOMPARE(QDir(s.runtime()).entryList({"quillary-*.lock"}, QDir::Files).size(), 1);
        Program next(s, "entry");
        QCOMPARE(next.waitForLine("ready"), QString("ready"));
        next.signal(SIGTERM);
        QVERIFY(next.endsCleanly());
        QVERIFY(QDir(s.runtime()).entryList({"quillary-*"}, QDir::Files | QDir::System).isEmpty());
    }

private:
    static void expectRecovered(const Scratch& s) {
        Program next(s, "idle");
        QCOMPARE(next.waitForLine("ready"), QString("ready 9:00|Budget|Q3|Rm 1"));
        QVERIFY2(next.printed("box: Quillary did not end normally"),
                 qPrintable(next.output().join('\n')));
        next.signal(SIGTERM);
        QVERIFY(next.endsCleanly());
        QCOMPARE(next.boxes().size(), 1);
        QCOMPARE(storedList(s), QString("9:00|Budget|Q3|Rm 1"));
        QVERIFY(s.recoveryFiles().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProgramProcesses)
#include "test_program_processes.moc"

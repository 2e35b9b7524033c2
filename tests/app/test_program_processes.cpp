// The running program as a child process of the test: ended by signals,
// started twice on the same settings, taking over a crashed run's lock.
#include "platform/settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

// A folder of its own for each run: settings, runtime folder, TEMP.
struct Scratch {
    QTemporaryDir dir;
    QString config() const { return dir.filePath("config"); }
    QString runtime() const { return dir.filePath("run"); }
    QString temp() const { return dir.filePath("temp"); }
    QString settingsFile() const { return config() + "/Marrowind.ini"; }
    Scratch() {
        for (const QString& f : {config(), runtime(), temp()})
            QDir().mkpath(f);
        QFile::setPermissions(runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
    }
};

class Program {
public:
    Program(const Scratch& s, const QString& mode, const QString& config = QString()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", config.isEmpty() ? s.config() : config);
        env.insert("XDG_RUNTIME_DIR", s.runtime());
        env.insert("TEMP", s.temp());
        m_process.setProcessEnvironment(env);
        m_process.start(QUILLARY_PROGRAM_CHILD, {mode});
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
};

QTEST_GUILESS_MAIN(TestProgramProcesses)
#include "test_program_processes.moc"

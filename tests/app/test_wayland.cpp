// The program natively on Wayland: a headless Weston of the test's own is
// the compositor; the program, on Qt's Wayland plug-in, generates the sample
// meeting, shows the preview (title and app id as the desktop entry names
// them) and saves the agenda.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A headless Weston listening on a socket in `runtime`, ended with this object.
class Compositor {
public:
    Compositor(const QString& runtime, const QString& config) : m_socket(runtime + "/wayland-q") {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("XDG_CONFIG_HOME", config);
        env.remove("WAYLAND_DISPLAY");
        env.remove("DISPLAY");
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral("weston"),
                        {"--backend=headless-backend.so", "--socket=wayland-q", "--idle-time=0",
                         "--width=1280", "--height=1024"});
        QDeadlineTimer deadline(15000);
        while (!QFile::exists(m_socket) && !deadline.hasExpired() &&
               m_process.state() != QProcess::NotRunning)
            QTest::qWait(50);
    }
    ~Compositor() {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished();
    }
    bool running() const { return QFile::exists(m_socket); }
    QString output() { return QString::fromLocal8Bit(m_process.readAll()); }

private:
    QString m_socket;
    QProcess m_process;
};

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT

private slots:
    void aGenerationRunsNativelyOnWayland() {
        if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty())
            QSKIP("weston is not installed (scripts/setup-debian --test installs it)");
        QTemporaryDir dir;
        const QString runtime = dir.filePath("run");
        for (const QString& d : {runtime, dir.filePath("config"), dir.filePath("temp")})
            QDir().mkpath(d);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
        Compositor weston(runtime, dir.filePath("config"));
        QVERIFY2(weston.running(), qPrintable(weston.output()));

        const QString saved = dir.filePath("saved agenda.doc");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "wayland");
        env.insert("WAYLAND_DISPLAY", "wayland-q");
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        env.insert("TEMP", dir.filePath("temp"));
        env.insert("QUILLARY_SAVE_AS", saved);
        env.remove("DISPLAY");
        QProcess program;
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(QUILLARY_PROGRAM_CHILD), {"save"});
        QStringList lines;
        QDeadlineTimer deadline(60000);
        while (!lines.contains("ready") && !deadline.hasExpired() &&
               program.state() != QProcess::NotRunning) {
            program.waitForReadyRead(200);
            while (program.canReadLine())
                lines << QString::fromLocal8Bit(program.readLine()).trimmed();
        }
        program.kill();
        program.waitForFinished();
        const QString seen = lines.join('\n');
        QVERIFY2(lines.filter(QRegularExpression("^box: ")) == QStringList{"box: Done."},
                 qPrintable(seen));
        const QStringList preview =
            lines.filter(QRegularExpression("^preview ")).value(0).split(' ');
        QCOMPARE(preview.mid(0, 3), (QStringList{"preview", "wayland", "quillary"}));
        QVERIFY2(preview.value(3).toInt() >= 1, qPrintable(seen));
        QCOMPARE(preview.value(4), QStringLiteral("Quillary"));
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(2) == "PK"); // a WordprocessingML package
    }
};

QTEST_MAIN(WaylandTest)
#include "test_wayland.moc"

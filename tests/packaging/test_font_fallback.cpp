// The fontconfig file the set-up and the package install, as every program
// on the machine sees it: fontconfig itself (fc-match, which LibreOffice
// follows) and the document engine (through Qt). Each case runs both in a
// private font configuration: the system's rules with ours in place of any
// installed copy, and optionally a real "Arial Black".
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kOurConf =
    QStringLiteral(QUILLARY_SOURCE_DIR "/packaging/fontconfig/60-quillary.conf");
const QString kSystemConfD = QStringLiteral("/etc/fonts/conf.d");
const QString kStandIn =
    QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf");

struct Face {
    QString fontconfigFamily;
    QString fontconfigStyle;
    QString fontconfigFile;
    QString engineFamily;
    QString engineStyle;
};

QString run(const QString& program, const QStringList& arguments, const QString& configFile) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FONTCONFIG_FILE"), configFile);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning() << program << "failed:" << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

class FontFallbackTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_plain;    // the system's rules with ours
    QString m_withReal; // the same, and a font that is "Arial Black"

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // A fonts.conf of our own: caches written only here, the system's font
    // folders, the system's rules without any installed copy of ours, ours.
    QString writeConfig(const QString& name, const QString& extra) {
        const QString text =
            QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM "
                           "\"urn:fontconfig:fonts.dtd\">\n<fontconfig>\n"
                           "  <cachedir>%1</cachedir>\n%2"
                           "  <dir>/usr/share/fonts</dir>\n"
                           "  <include ignore_missing=\"yes\">%3</include>\n"
                           "  <cachedir>/var/cache/fontconfig</cachedir>\n</fontconfig>\n")
                .arg(path(QStringLiteral("cache")), extra, path(QStringLiteral("conf.d")));
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) != text.toUtf8().size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    Face resolve(const QString& config, const QString& family, bool bold = false) {
        const QString pattern = family + (bold ? QStringLiteral(":bold") : QString());
        const QStringList fc =
            run(QStringLiteral("fc-match"),
                {QStringLiteral("-f"), QStringLiteral("%{family[0]}|%{style[0]}|%{file}"), pattern},
                config)
                .split(QLatin1Char('|'));
        const QStringList engine =
            run(QStringLiteral(FONT_PROBE), {pattern}, config).split(QLatin1Char('|'));
        if (fc.size() != 3 || engine.size() != 2)
            return {};
        return {fc[0], fc[1], fc[2], engine[0], engine[1]};
    }

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")) &&
                     QFile::exists(kStandIn) &&
                     QFile::exists(QStringLiteral("/usr/share/fonts/truetype/roboto/unhinted/"
                                                  "RobotoTTF/Roboto-Black.ttf")),
                 "the document fonts are missing: run scripts/setup-debian");
        QDir dir(m_dir.path());
        QVERIFY(dir.mkpath(QStringLiteral("conf.d")) && dir.mkpath(QStringLiteral("cache")) &&
                dir.mkpath(QStringLiteral("fonts")));
        for (const QFileInfo& rule :
             QDir(kSystemConfD).entryInfoList({QStringLiteral("*.conf")}, QDir::Files)) {
            if (!rule.fileName().contains(QLatin1String("quillary")))
                QVERIFY(QFile::link(rule.canonicalFilePath(), path("conf.d/" + rule.fileName())));
        }
        QVERIFY(QFile::link(kOurConf, path(QStringLiteral("conf.d/60-quillary.conf"))));
        m_plain = writeConfig(QStringLiteral("plain.conf"), QString());

        // Any face will do as the "real" Arial Black: fontconfig renames it
        // when it scans it.
        const QString real = path(QStringLiteral("fonts/ArialBlack.ttf"));
        QVERIFY(QFile::copy(kStandIn, real));
        m_withReal =
            writeConfig(QStringLiteral("with-arial-black.conf"),
                        QStringLiteral("  <dir>%1</dir>\n  <match target=\"scan\">\n"
                                       "    <test name=\"file\"><string>%2</string></test>\n"
                                       "    <edit name=\"family\" mode=\"assign\"><string>Arial "
                                       "Black</string></edit>\n  </match>\n")
                            .arg(path(QStringLiteral("fonts")), real));
    }

    void withoutArialBlackBothPickRobotoBlack_data() {
        QTest::addColumn<bool>("bold");
        QTest::newRow("regular") << false;
        QTest::newRow("bold") << true;
    }
    void withoutArialBlackBothPickRobotoBlack() {
        QFETCH(bool, bold);
        const Face face = resolve(m_plain, QStringLiteral("Arial Black"), bold);
        QVERIFY2(face.fontconfigFile.endsWith(QLatin1String("/Roboto-Black.ttf")),
                 qPrintable(face.fontconfigFile));
        QCOMPARE(face.engineFamily, face.fontconfigFamily);
        QCOMPARE(face.engineStyle, face.fontconfigStyle);
    }

    void anInstalledArialBlackComesFirst() {
        const Face face = resolve(m_withReal, QStringLiteral("Arial Black"));
        QCOMPARE(face.fontconfigFile, path(QStringLiteral("fonts/ArialBlack.ttf")));
        QCOMPARE(face.fontconfigFamily, QStringLiteral("Arial Black"));
        QCOMPARE(face.engineFamily, QStringLiteral("Arial Black"));
    }

    void tahomaIsWinesForEveryone() {
        for (const bool bold : {false, true}) {
            const Face face = resolve(m_plain, QStringLiteral("Tahoma"), bold);
            QVERIFY2(face.fontconfigFile.startsWith(QLatin1String("/usr/share/wine/fonts/")),
                     qPrintable(face.fontconfigFile));
            QCOMPARE(face.engineFamily, QStringLiteral("Tahoma"));
            QCOMPARE(face.engineStyle, face.fontconfigStyle);
        }
    }
};

QTEST_GUILESS_MAIN(FontFallbackTest)
#include "test_font_fallback.moc"

#include "platform/settings/SettingsStore.h"
#include "support/TinyTmpfs.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void valuesComeBackExactlyAfterReopening_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << QString("");
        QTest::newRow("crlf") << QString("Zorivu Vovura\r\nRire Rorovov\r\n");
        QTest::newRow("lone cr and lf") << QString("a\rb\nc\r\r\n\n");
        QTest::newRow("separators") << QString("12:00 PM|Topic|Details|Rm 121^1:00 PM|x||y");
        QTest::newRow("quote") << QString::fromUtf8("they\u2019re \"so\" 'abundant'");
        QTest::newRow("ini syntax") << QString("[Quillary]\nkey=value ; not a comment # nor this");
        QTest::newRow("commas") << QString("a, b, c");
        QTest::newRow("at sign") << QString("@ByteArray(abc)");
        QTest::newRow("variant look-alikes") << QString("@Variant(\\0\\0\\0\\x7f)");
        QTest::newRow("true") << QString("true");
        QTest::newRow("number") << QString("0042");
        QTest::newRow("blanks") << QString("  padded  ");
        QTest::newRow("backslashes") << QString("C:\\temp\\x\\\\y\\");
        QTest::newRow("tabs and controls") << QString::fromUtf16(u"\t\x01\x02\x1b\x7f\x1f end");
        QTest::newRow("nul") << QString::fromUtf16(u"a\0b", 3);
        QTest::newRow("emoji") << QString::fromUtf8("🦞 lobsters 👍🏽");
        QTest::newRow("rtl") << QString::fromUtf8("اجتماع مجموعة \u202Bעברית\u202C");
        QTest::newRow("escape mark") << QString::fromUtf16(u"\uFDD0p|\uFDD0");
        QTest::newRow("lone surrogate free cjk") << QString::fromUtf8("会议议程 회의");
    }
    void valuesComeBackExactlyAfterReopening() {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString file = dir.filePath("Marrowind.ini");
        {
            platform::SettingsStore store(file);
            store.write("Meeting Title", value);
            QCOMPARE(store.read("Meeting Title", "x"), value);
        }
        platform::SettingsStore reopened(file);
        QVERIFY(reopened.contains("Meeting Title"));
        QCOMPARE(reopened.read("Meeting Title", "x"), value);
    }

    void missingKeyGivesTheDefaultAndEmptyIsNotMissing() {
        QTemporaryDir dir;
        platform::SettingsStore store(dir.filePath("s.ini"));
        QCOMPARE(store.read("Date of Meeting", "today"), QString("today"));
        QVERIFY(!store.contains("Date of Meeting"));
        store.write("Date of Meeting", "");
        QVERIFY(store.contains("Date of Meeting"));
        QCOMPARE(store.read("Date of Meeting", "today"), QString(""));
    }

    void aMegabyteValueRoundTrips() {
        QTemporaryDir dir;
        QString big;
        big.reserve(1 << 20);
        for (int i = 0; big.size() < (1 << 20); ++i)
            big += QString::number(i) + (i % 7 ? QStringLiteral("|") : QStringLiteral("\r\n"));
        {
            platform::SettingsStore store(dir.filePath("s.ini"));
            store.write("Additional Instruction", big);
        }
        platform::SettingsStore reopened(dir.filePath("s.ini"));
        QCOMPARE(reopened.read("Additional Instruction"), big);
    }

    void keysLiveUnderTheApplicationSection() {
        QTemporaryDir dir;
        const QString file = dir.filePath("s.ini");
        platform::SettingsStore(file).write("Called By", "Tobias Renn");
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY(text.contains("[Quillary]"));
        QVERIFY(text.contains("Called%20By=Tobias Renn"));
    }

    void anUnwritableStoreFails() {
        QTemporaryDir dir;
        // The store's file name is taken by a folder: nothing can be written.
        const QString blocked = dir.filePath("blocked.ini");
        QVERIFY(QDir().mkpath(blocked));
        platform::SettingsStore store(blocked);
        QVERIFY_THROWS_EXCEPTION(std::exception, store.write("Called By", "x"));
    }

    void handEditedValuesWithCommasReadBackAsTheirText() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Marrowind.ini");
        writeFile(file, "[Quillary]\n"
                        "Meeting%20Title=Budget, Q3 review\n"
                        "Time=9:00|Budget, Q3|Figures, forecast|Rm 1^10:00|Close||Rm 1\n"
                        "Called%20By=\"Quoted, as written\"\n");
        platform::SettingsStore store(file);
        QCOMPARE(store.read("Meeting Title"), QString("Budget, Q3 review"));
        QCOMPARE(store.read("Time"),
                 QString("9:00|Budget, Q3|Figures, forecast|Rm 1^10:00|Close||Rm 1"));
        QCOMPARE(store.read("Called By"), QString("Quoted, as written"));
        QVERIFY(store.setAsideFile().isEmpty());
    }

    void anUnreadableFileIsKeptAsideAndTheStoreStartsAfresh() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Marrowind.ini");
        for (int run = 1; run <= 3; ++run) {
            const QByteArray garbage = randomBytes(4096, run);
            writeFile(file, garbage);
            platform::SettingsStore store(file);
            const QString kept = file + (run == 1 ? ".bad" : ".bad" + QString::number(run));
            QCOMPARE(store.setAsideFile(), kept);
            QCOMPARE(readFile(kept), garbage);
            QVERIFY(!store.contains("Meeting Title"));
            store.write("Meeting Title", "Fresh"); // no failure: the new file takes it
            QCOMPARE(platform::SettingsStore(file).read("Meeting Title"), QString("Fresh"));
            QFile::remove(file);
        }
    }

    void aHandEditedTextFileIsNotSetAside() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Marrowind.ini");
        const QByteArray text =
            "; notes\r\n[Other]\r\nx=1\r\n\t\r\n[Quillary]\r\nCalled%20By=Eva\r\n";
        writeFile(file, text);
        platform::SettingsStore store(file);
        QVERIFY(store.setAsideFile().isEmpty());
        QCOMPARE(store.read("Called By"), QString("Eva"));
        QVERIFY(!QFile::exists(file + ".bad"));
    }

    void whatFailedToBeWrittenGoesWithTheNextWriteThatSucceeds() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Marrowind.ini");
        QVERIFY(QDir().mkpath(file)); // a folder in the way: nothing can be written
        platform::SettingsStore store(file);
        QVERIFY_THROWS_EXCEPTION(std::exception, store.write("Called By", "Eva"));
        QCOMPARE(store.read("Called By"), QString("Eva"));
        QVERIFY(QDir(file).removeRecursively());
        store.write("Meeting Title", "Budget");
        platform::SettingsStore reopened(file);
        QCOMPARE(reopened.read("Called By"), QString("Eva"));
        QCOMPARE(reopened.read("Meeting Title"), QString("Budget"));
    }

    // Every write on a full filesystem fails, and the file stays as it was;
    // with space again the next write stores everything.
    void aFullFilesystemKeepsTheFileAsItWas() {
        testing::TinyTmpfs disk(128);
        if (!disk.mounted())
            QSKIP(testing::TinyTmpfs::kSkipReason);
        const QString file = disk.filePath("Marrowind.ini");
        platform::SettingsStore store(file);
        store.write("Meeting Title", "Budget");
        store.write("Time", "9:00|Budget|Q3|Rm 1");
        const QByteArray before = readFile(file);
        disk.fill();
        for (const QString& value : {QString("x"), QString(20000, 'y')})
            QVERIFY_THROWS_EXCEPTION(std::exception, store.write("Additional Instruction", value));
        QCOMPARE(readFile(file), before);
        QCOMPARE(platform::SettingsStore(file).read("Time"), QString("9:00|Budget|Q3|Rm 1"));
        disk.release();
        store.write("Called By", "Eva");
        platform::SettingsStore reopened(file);
        QCOMPARE(reopened.read("Additional Instruction"), QString(20000, 'y'));
        QCOMPARE(reopened.read("Called By"), QString("Eva"));
    }

    // A byte-order mark is no error: the values read, writes succeed, and
    // the rewritten file has none.
    void aFileWithAByteOrderMarkIsReadAndRewritten() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Marrowind.ini");
        writeFile(file, "\xEF\xBB\xBF[Quillary]\r\nMeeting%20Title=Budget\r\nTime=9:00|a|b|c\r\n");
        QSettings(file, QSettings::IniFormat).value("x"); // parsed and cached, as at start
        platform::SettingsStore store(file);
        QVERIFY(store.setAsideFile().isEmpty());
        QVERIFY(store.keptCopy().isEmpty());
        QCOMPARE(store.read("Meeting Title"), QString("Budget"));
        store.write("Called By", "Eva");
        QVERIFY(!readFile(file).startsWith("\xEF\xBB\xBF"));
        platform::SettingsStore reopened(file);
        QCOMPARE(reopened.read("Time"), QString("9:00|a|b|c"));
        QCOMPARE(reopened.read("Called By"), QString("Eva"));
    }

    void syntaxErrorsKeepACopyBeforeTheFirstWrite_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("faulty");
        QTest::newRow("unclosed section") << QByteArray("[Quillary\nCalled%20By=Eva\n") << true;
        QTest::newRow("line without =")
            << QByteArray("[Quillary]\nCalled%20By=Eva\nnotes\n") << true;
        QTest::newRow("hash comment")
            << QByteArray("# mine\n[Quillary]\nCalled%20By=Eva\n") << true;
        QTest::newRow("section after text")
            << QByteArray("[Quillary]\nCalled%20By=Eva\n[Other\nx=1\n") << true;
        QTest::newRow("clean, comments and blanks")
            << QByteArray("; mine\n\n  [Quillary]  \r\nCalled%20By=Eva ; said\n\t\n") << false;
        QTest::newRow("quoted text over lines")
            << QByteArray("[Quillary]\nCalled%20By=\"Eva\nand Tom\"\n") << false;
        QTest::newRow("escaped line end")
            << QByteArray("[Quillary]\nCalled%20By=Eva \\\n and Tom\n") << false;
    }
    void syntaxErrorsKeepACopyBeforeTheFirstWrite() {
        QFETCH(QByteArray, text);
        QFETCH(bool, faulty);
        QTemporaryDir dir;
        const QString file = dir.filePath("Marrowind.ini");
        writeFile(file, text);
        // Qt's own reader has parsed the file already, as at program start.
        QSettings(file, QSettings::IniFormat).value("x");
        platform::SettingsStore store(file);
        QVERIFY(store.setAsideFile().isEmpty());
        QCOMPARE(store.keptCopy(), faulty ? file + ".bad" : QString());
        if (faulty)
            QCOMPARE(readFile(file + ".bad"), text);
        QVERIFY(store.read("Called By").startsWith("Eva"));
        store.write("Meeting Title", "Budget"); // a file Qt had trouble with is still written
        QCOMPARE(platform::SettingsStore(file).read("Meeting Title"), QString("Budget"));
        QVERIFY(platform::SettingsStore(file).keptCopy().isEmpty()); // clean now
    }

private:
    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    static QByteArray readFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QByteArray randomBytes(int size, quint32 seed) {
        QRandomGenerator random(seed);
        QByteArray bytes(size, '\0');
        for (char& c : bytes)
            c = char(random.bounded(256));
        return bytes;
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"

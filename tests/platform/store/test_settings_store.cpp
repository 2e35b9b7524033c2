#include "platform/settings/SettingsStore.h"

#include <QFile>
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
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"

// The entry window when the settings file is hand-edited, unreadable or
// cannot be written.
#include "entry/AgendaList.h"
#include "entry/Form1.h"
#include "support/Form1Fixture.h"
#include "support/TinyTmpfs.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QRandomGenerator>
#include <QTreeWidget>
#include <QtTest>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The store's file name taken by a folder, so that no write can succeed.
void blockStore(const QString& file) {
    QFile::remove(file);
    QVERIFY(QDir().mkpath(file));
}

void unblockStore(const QString& file) {
    QVERIFY(QDir(file).removeRecursively());
}

void showWindow(Form1& form) {
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
}

} // namespace

class TestForm1Store : public QObject {
    Q_OBJECT
private slots:
    void handEditedCommasSurviveLoadAndClose() {
        testing::TestServices t;
        writeFile(t.settingsFile, "[Quillary]\n"
                                  "Meeting%20Title=Budget, Q3 review\n"
                                  "Time=9:00|Budget, Q3|Figures, forecast|Rm 1\n");
        t.reopenSettings();
        testing::Form1Run run(t);
        QCOMPARE(run.form->txtMeetingTitle->text(), QString("Budget, Q3 review"));
        const QList<entry::AgendaItem> rows{{"9:00", "Budget, Q3", "Figures, forecast", "Rm 1"}};
        QCOMPARE(entry::AgendaList::rows(*run.form->ListView1), rows);
        run.form->Form_QueryUnload();
        run.restart();
        QCOMPARE(run.form->txtMeetingTitle->text(), QString("Budget, Q3 review"));
        QCOMPARE(entry::AgendaList::rows(*run.form->ListView1), rows);
        QVERIFY(t.messages.boxes.isEmpty());
    }

    void anUnreadableFileIsKeptAsideAndToldOnce() {
        testing::TestServices t;
        QRandomGenerator random(7);
        QByteArray garbage(2048, '\0');
        for (char& c : garbage)
            c = char(random.bounded(256));
        writeFile(t.settingsFile, garbage);
        t.reopenSettings();
        testing::Form1Run run(t);
        QVERIFY(t.messages.boxes.isEmpty()); // not before the window is on screen
        showWindow(*run.form);
        QTRY_COMPARE(t.messages.boxes.size(), 1);
        QTest::keyClicks(run.form->txtMeetingTitle, "Budget");
        const QString kept = t.settingsFile + ".bad";
        QVERIFY(t.messages.boxes[0].text.contains(kept));
        QCOMPARE(t.messages.boxes[0].caption, QString("Quillary"));
        QCOMPARE(readFile(kept), garbage);
        run.restart();
        showWindow(*run.form);
        QCOMPARE(run.form->txtMeetingTitle->text(), QString("Budget"));
        QCOMPARE(t.messages.boxes.size(), 1);
    }

    // Lines the next write would drop: the file as it was is kept aside
    // before the first write, the rest is read, and the user told once.
    void aFileWithSyntaxErrorsIsCopiedAsideAndToldOnce() {
        testing::TestServices t;
        const QByteArray text = "[Quillary]\nMeeting%20Title=Budget\nTime=9:00|a|b|c\n"
                                "my notes for Tuesday\n[Other\n";
        writeFile(t.settingsFile, text);
        t.reopenSettings();
        testing::Form1Run run(t);
        showWindow(*run.form);
        QTRY_COMPARE(t.messages.boxes.size(), 1);
        QVERIFY(t.messages.boxes[0].text.contains(t.settingsFile + ".bad"));
        QCOMPARE(readFile(t.settingsFile + ".bad"), text);
        QCOMPARE(run.form->txtMeetingTitle->text(), QString("Budget"));
        QCOMPARE(entry::AgendaList::rowCount(*run.form->ListView1), 1);
        run.form->Form_QueryUnload();
        run.restart();
        showWindow(*run.form);
        QCOMPARE(run.form->txtMeetingTitle->text(), QString("Budget"));
        QCOMPARE(t.messages.boxes.size(), 1);
        QVERIFY(!QFile::exists(t.settingsFile + ".bad2"));
    }

    void aFileWithAByteOrderMarkLoadsAndStoresWithoutABox() {
        testing::TestServices t;
        writeFile(t.settingsFile, "\xEF\xBB\xBF[Quillary]\r\nMeeting%20Title=Budget\r\n"
                                  "Time=9:00|Budget|Q3|Rm 1\r\n");
        t.reopenSettings();
        testing::Form1Run run(t);
        showWindow(*run.form);
        QTest::keyClicks(run.form->txtCalledBy, "Eva");
        run.form->Form_QueryUnload();
        QTest::qWait(20);
        QVERIFY2(t.messages.boxes.isEmpty(), qPrintable(t.messages.texts().join('\n')));
        QVERIFY(!QFile::exists(t.settingsFile + ".bad"));
        run.restart();
        QCOMPARE(run.form->txtMeetingTitle->text(), QString("Budget"));
        QCOMPARE(run.form->txtCalledBy->text(), QString("Eva"));
        QCOMPARE(entry::AgendaList::rowCount(*run.form->ListView1), 1);
    }

    // A store that cannot be written is told once the window is on screen,
    // not before, and not again at the close.
    void aStoreThatCannotBeWrittenIsToldOncePerFailure() {
        testing::TestServices t;
        blockStore(t.settingsFile);
        t.reopenSettings();
        testing::Form1Run run(t); // the date of a first start cannot be stored
        Form1& f = *run.form;
        QVERIFY(t.messages.boxes.isEmpty());
        showWindow(f);
        QTRY_COMPARE(t.messages.boxes.size(), 1);
        QVERIFY(t.messages.boxes[0].text.contains(t.settingsFile));
        QCOMPARE(t.messages.errorBoxes(), 0);
        QTest::keyClicks(f.txtMeetingTitle, "Budget");
        QTest::keyClicks(f.txtCalledBy, "Eva");
        QCOMPARE(f.txtMeetingTitle->text(), QString("Budget"));
        QCOMPARE(t.messages.boxes.size(), 1);

        // Writable again: the next change stores everything, silently.
        unblockStore(t.settingsFile);
        QTest::keyClicks(f.txtCalledBy, "!");
        QCOMPARE(t.messages.boxes.size(), 1);
        QCOMPARE(platform::SettingsStore(t.settingsFile).read("Meeting Title"), QString("Budget"));

        // A new failure after that success is news again.
        blockStore(t.settingsFile);
        QTest::keyClicks(f.txtMeetingTitle, " Q3");
        QTest::keyClicks(f.txtMeetingTitle, " review");
        QCOMPARE(t.messages.boxes.size(), 2);

        // The list cannot be stored at the end either: the same cause, not told again.
        f.Form_QueryUnload();
        QCOMPARE(t.messages.boxes.size(), 2);
        QCOMPARE(t.messages.errorBoxes(), 0);
    }

    // A store that has worked and fails only at the close: that is news.
    void aFailureFirstMetAtTheCloseIsTold() {
        testing::TestServices t;
        testing::Form1Run run(t);
        showWindow(*run.form);
        blockStore(t.settingsFile);
        run.form->Form_QueryUnload();
        QCOMPARE(t.messages.errorBoxes(), 1);
        QVERIFY(t.messages.boxes[0].text.contains("Form_QueryUnload at line 112"));
        QVERIFY(t.messages.boxes[0].text.contains(t.settingsFile));
    }

    // A full disk, as a real one: told once, after the window is on screen;
    // the file keeps what it had; with space again everything is stored.
    void aFullDiskIsToldOnceAndTheFileKeepsWhatItHad() {
        testing::TinyTmpfs disk(128);
        if (!disk.mounted())
            QSKIP(testing::TinyTmpfs::kSkipReason);
        testing::TestServices t;
        t.settingsFile = disk.filePath("Marrowind.ini");
        t.reopenSettings();
        testing::Form1Run run(t);
        Form1& f = *run.form;
        QTest::keyClicks(f.txtMeetingTitle, "Budget");
        const QByteArray before = readFile(t.settingsFile);
        disk.fill();
        run.restart();
        showWindow(*run.form);
        QTest::keyClicks(run.form->txtCalledBy, QString(300, 'e'));
        run.form->Form_QueryUnload();
        QTRY_COMPARE(t.messages.boxes.size(), 1);
        QTest::qWait(20);
        QCOMPARE(t.messages.boxes.size(), 1);
        QCOMPARE(t.messages.errorBoxes(), 0);
        QCOMPARE(readFile(t.settingsFile), before);
        disk.release();
        QTest::keyClicks(run.form->txtCalledBy, "!");
        QCOMPARE(platform::SettingsStore(t.settingsFile).read("Called By"),
                 QString(300, 'e') + "!");
    }
};

QTEST_MAIN(TestForm1Store)
#include "test_form1_store.moc"

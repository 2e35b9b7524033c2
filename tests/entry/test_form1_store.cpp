// The entry window when the settings file is hand-edited, unreadable or
// cannot be written.
#include "entry/AgendaList.h"
#include "entry/Form1.h"
#include "support/Form1Fixture.h"

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
        QTest::keyClicks(run.form->txtMeetingTitle, "Budget");
        QCOMPARE(t.messages.boxes.size(), 1);
        const QString kept = t.settingsFile + ".bad";
        QVERIFY(t.messages.boxes[0].text.contains(kept));
        QCOMPARE(t.messages.boxes[0].caption, QString("Quillary"));
        QCOMPARE(readFile(kept), garbage);
        run.restart();
        QCOMPARE(run.form->txtMeetingTitle->text(), QString("Budget"));
        QCOMPARE(t.messages.boxes.size(), 1);
    }

    void aStoreThatCannotBeWrittenIsToldOncePerFailure() {
        testing::TestServices t;
        blockStore(t.settingsFile);
        t.reopenSettings();
        testing::Form1Run run(t); // the date of a first start cannot be stored
        Form1& f = *run.form;
        QCOMPARE(t.messages.boxes.size(), 1);
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

        // The list cannot be stored at the end: said once, with the file.
        f.Form_QueryUnload();
        QCOMPARE(t.messages.boxes.size(), 3);
        QCOMPARE(t.messages.errorBoxes(), 1);
        QVERIFY(t.messages.boxes[2].text.contains(t.settingsFile));
        QVERIFY(t.messages.boxes[2].text.contains("Form_QueryUnload at line 112"));
    }
};

QTEST_MAIN(TestForm1Store)
#include "test_form1_store.moc"

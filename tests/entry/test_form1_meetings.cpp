// Meeting files and invitations on the entry window, reached through its
// menu bar with the mouse and the keyboard, dropped on it, and the files
// used last.
#include "entry/AgendaList.h"
#include "entry/Form1.h"
#include "entry/MeetingFile.h"
#include "entry/MeetingKeys.h"
#include "entry/SampleMeeting.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/controls/Twips.h"
#include "support/Clicks.h"
#include "support/Form1Fixture.h"
#include "support/Menus.h"

#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QTreeWidget>
#include <QUndoStack>
#include <QUrl>
#include <QtTest>

using entry::Meeting;
using testing::clickItem;
using testing::itemTexts;
using testing::openMenu;

namespace {

struct Shown {
    testing::TestServices t;
    testing::Form1Run run{t};
    Form1& f = *run.form;
    Shown() {
        if (!testing::showAndWait(f, true))
            qFatal("the entry window was not shown");
    }
    QString path(const QString& name) const { return t.dir.filePath(name); }
};

Meeting weekly() {
    Meeting m;
    m.title = "Weekly planning";
    m.date = "Monday";
    m.caller = "Dana";
    m.attendees = "Ann\r\nBob";
    m.reading = "Minutes | last week";
    m.supplies = "Coffee ^ tea";
    m.additional = QString::fromUtf8("\u4f1a\u8b70\u5ba4 2");
    m.items = {{"9:00", "Standing item", "Each week", "Rm 1"}, {"9:30", "News", "", ""}};
    return m;
}

QString write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void compareWindow(Form1& f, const Meeting& m) {
    QCOMPARE(f.txtMeetingTitle->text(), m.title);
    QCOMPARE(f.txtDateOfMeeting->text(), m.date);
    QCOMPARE(f.txtCalledBy->text(), m.caller);
    QCOMPARE(f.txtAttendeeList->text(), m.attendees);
    QCOMPARE(f.txtReadingList->text(), m.reading);
    QCOMPARE(f.txtSuppliesList->text(), m.supplies);
    QCOMPARE(f.txtAdditionalInstruction->text(), m.additional);
    QCOMPARE(entry::AgendaList::rows(*f.ListView1), m.items);
}

void drop(QWidget* on, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = on->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(on, &enter);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(on, &dropped);
}

const QByteArray kInvitation = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//T//T//EN\r\n"
                               "BEGIN:VEVENT\r\nUID:a\r\nSUMMARY:From the invitation\r\n"
                               "ORGANIZER;CN=Eve:mailto:eve@example.org\r\nEND:VEVENT\r\n"
                               "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Second\r\nEND:VEVENT\r\n"
                               "END:VCALENDAR\r\n";

} // namespace

class Form1MeetingsTest : public QObject {
    Q_OBJECT

private slots:
    void theBarSitsAboveAnUnchangedClientArea() {
        Shown s;
        QMenuBar* bar = s.f.menuBar();
        QVERIFY(bar);
        QCOMPARE(s.f.clientArea()->geometry().top(), bar->height());
        QCOMPARE(platform::pixelsToTwips(s.f.clientArea()->height(), 96), 8730.0);
        QCOMPARE(s.f.height(), s.f.clientArea()->height() + bar->height());
        QCOMPARE(platform::twipsGeometry(s.f.PushButton1).topLeft(), QPoint(120, 120));
        QCOMPARE(itemTexts(s.f.findChild<QMenu*>("fileMenu")),
                 QStringList({"New Meeting from This One", "Open Meeting\u2026", "Open Recent",
                              "Save Meeting As\u2026", "Import Invitation\u2026", "-", "Quit"}));
        const QStringList edit = itemTexts(s.f.findChild<QMenu*>("editMenu"));
        QVERIFY2(edit.size() > 2 && edit[0].startsWith("Undo") && edit[1].startsWith("Redo"),
                 qPrintable(edit.join(", ")));
    }

    void openingReplacesTheMeetingAsOneStep() {
        Shown s;
        s.f.PushButton5_Click(); // the sample
        const QString file = s.path("weekly.quillary");
        QCOMPARE(entry::MeetingFile::save(file, weekly()), QString());
        const int steps = s.f.undoStack()->count();
        s.t.shell.chooseNext(file);
        QTest::keyClick(&s.f, Qt::Key_O, Qt::ControlModifier);
        compareWindow(s.f, weekly());
        QVERIFY(s.t.messages.boxes.isEmpty());
        // The store follows as typing writes it.
        QCOMPARE(s.t.settings->read(entry::MeetingKeys::CalledBy), QString("Dana"));
        QCOMPARE(s.f.undoStack()->count(), steps + 1);
        s.f.undoStack()->undo();
        compareWindow(s.f, entry::sampleMeeting());
        s.f.undoStack()->redo();
        compareWindow(s.f, weekly());
        QCOMPARE(s.f.recentFiles(), QStringList{file});
    }

    void aFileThatCannotBeReadIsReportedOnceAndChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        QByteArray newer = entry::MeetingFile::encode(weekly());
        newer.replace("\"version\": 1", "\"version\": 7");
        QTest::newRow("newer") << newer << "newer version";
        QTest::newRow("truncated") << entry::MeetingFile::encode(weekly()).left(100) << "damaged";
        QTest::newRow("not a calendar") << QByteArray("BEGIN:VCARD\r\nEND:VCARD\r\n") << "damaged";
    }
    void aFileThatCannotBeReadIsReportedOnceAndChangesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        Shown s;
        s.f.PushButton5_Click();
        const int steps = s.f.undoStack()->count();
        s.t.shell.chooseNext(write(s.path("bad.quillary"), bytes));
        QVERIFY(clickItem(openMenu(s.f.menuBar(), "&File"), "&Open Meeting\u2026"));
        QCOMPARE(s.t.messages.boxes.size(), 1);
        QVERIFY2(s.t.messages.boxes[0].text.contains(says), qPrintable(s.t.messages.texts()[0]));
        QVERIFY(s.t.messages.boxes[0].text.contains("bad.quillary"));
        compareWindow(s.f, entry::sampleMeeting());
        QCOMPARE(s.f.undoStack()->count(), steps);
        QVERIFY(s.f.recentFiles().isEmpty());
    }

    void saveAsWritesWhatTheWindowHolds() {
        Shown s;
        s.f.setMeeting(weekly());
        s.t.shell.chooseNext(s.path("saved")); // the extension is added
        QTest::keyClick(&s.f, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(s.t.shell.dialogs.size(), 1);
        QVERIFY(s.t.shell.dialogs[0].fileName.endsWith("Weekly planning.quillary"));
        const auto read = entry::MeetingFile::read(s.path("saved.quillary"));
        QVERIFY2(read.meeting, qPrintable(read.error));
        QCOMPARE(read.meeting->items, weekly().items);
        QCOMPARE(read.meeting->supplies, weekly().supplies);
        // Over an existing file only when the user says so.
        s.f.txtMeetingTitle->setText("Changed");
        s.t.shell.chooseNext(s.path("saved.quillary"));
        s.t.messages.answerNext(platform::MsgAnswer::No);
        QVERIFY(clickItem(openMenu(s.f.menuBar(), "&File"), "Save Meeting &As\u2026"));
        QCOMPARE(entry::MeetingFile::read(s.path("saved.quillary")).meeting->title,
                 QString("Weekly planning"));
        QCOMPARE(s.t.messages.boxes.size(), 1);
    }

    void recentFilesAreTheLastEightApartFromTheMeeting() {
        Shown s;
        for (int i = 0; i < 10; ++i) {
            Meeting m = weekly();
            m.title = QString("Week %1").arg(i);
            const QString file = s.path(QString("week%1.quillary").arg(i));
            QCOMPARE(entry::MeetingFile::save(file, m), QString());
            QVERIFY(s.f.openFile(file));
        }
        const QStringList recent = s.f.recentFiles();
        QCOMPARE(recent.size(), 8);
        QCOMPARE(recent.first(), s.path("week9.quillary"));
        QCOMPARE(recent.last(), s.path("week2.quillary"));
        QFile store(s.t.settingsFile);
        QVERIFY(store.open(QIODevice::ReadOnly));
        QVERIFY(!store.readAll().contains("week"));
        // Open Recent, with the mouse.
        QMenu* file = openMenu(s.f.menuBar(), "&File");
        QTest::mouseClick(file, Qt::LeftButton, {},
                          file->actionGeometry(s.f.recentMenu->menuAction()).center());
        QVERIFY(QTest::qWaitFor([&] { return s.f.recentMenu->isVisible(); }));
        QVERIFY(clickItem(s.f.recentMenu, "&3 week7.quillary"));
        QCOMPARE(s.f.txtMeetingTitle->text(), QString("Week 7"));
        QCOMPARE(s.f.recentFiles().first(), s.path("week7.quillary"));
        // A file gone is reported and leaves the list.
        QFile::remove(s.path("week8.quillary"));
        QVERIFY(!s.f.openFile(s.path("week8.quillary")));
        QVERIFY(!s.f.recentFiles().contains(s.path("week8.quillary")));
    }

    void newMeetingFromThisOneEmptiesAndFocusesTheDate() {
        Shown s;
        s.f.setMeeting(weekly());
        QTest::keyClick(&s.f, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        Meeting next = weekly();
        next.date.clear();
        compareWindow(s.f, next);
        QCOMPARE(QApplication::focusWidget(), s.f.txtDateOfMeeting);
        s.f.undoStack()->undo();
        compareWindow(s.f, weekly());
    }

    void anInvitationFillsWhatItNamesAndKeepsTheAgenda() {
        Shown s;
        s.f.setMeeting(weekly());
        s.t.shell.chooseNext(write(s.path("invite.ics"), kInvitation));
        QVERIFY(clickItem(openMenu(s.f.menuBar(), "&File"), "&Import Invitation\u2026"));
        Meeting filled = weekly();
        filled.title = "From the invitation";
        filled.caller = "Eve";
        compareWindow(s.f, filled);
        // Several events: the user is told the first was used.
        QCOMPARE(s.t.messages.boxes.size(), 1);
        QVERIFY(s.t.messages.boxes[0].text.contains("first"));
        s.f.undoStack()->undo();
        compareWindow(s.f, weekly());
    }

    void aFileDroppedOnTheWindowOpens() {
        Shown s;
        const QString file = s.path("dropped.quillary");
        QCOMPARE(entry::MeetingFile::save(file, weekly()), QString());
        // On a text box the file is opened, not its name typed.
        drop(s.f.txtCalledBy, {QUrl::fromLocalFile(file)});
        compareWindow(s.f, weekly());
        // An invitation, on the window's background, by its content.
        drop(&s.f, {QUrl::fromLocalFile(write(s.path("invite.txt"), kInvitation))});
        QCOMPARE(s.f.txtMeetingTitle->text(), QString("From the invitation"));
        // Two files at once are not taken.
        s.t.messages.clear();
        s.f.setMeeting(weekly());
        drop(s.f.txtMeetingTitle, {QUrl::fromLocalFile(file), QUrl::fromLocalFile(file)});
        compareWindow(s.f, weekly());
    }

    void quitClosesAsTheCloseBoxDoes() {
        Shown s;
        s.f.setMeeting(weekly());
        QTest::keyClick(&s.f, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(s.t.shell.endCalls, 1);
        QCOMPARE(s.t.settings->read(entry::MeetingKeys::Time),
                 QString("9:00|Standing item|Each week|Rm 1^9:30|News||"));
    }
};

QTEST_MAIN(Form1MeetingsTest)
#include "test_form1_meetings.moc"

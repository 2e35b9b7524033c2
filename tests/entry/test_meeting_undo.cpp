// The window's undo stack: every change of the meeting made through the
// window is one step, and undo and redo give back the exact meeting, the
// settings store following as typing writes it.
#include "AgendaListDriver.h"

#include "entry/MeetingKeys.h"
#include "entry/SampleMeeting.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/settings/SettingsStore.h"
#include "support/Form1Fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

#include <functional>

using testing::AgendaListDriver;
namespace Keys = entry::MeetingKeys;

namespace {

using Operation = std::function<void(AgendaListDriver&)>;

entry::Meeting startMeeting() {
    entry::Meeting m = entry::sampleMeeting();
    m.items = testing::lettered("ABCD");
    return m;
}

// The seven texts as the store holds them.
QStringList storedTexts(testing::TestServices& t) {
    QStringList out;
    for (const QString& key :
         {Keys::MeetingTitle, Keys::DateOfMeeting, Keys::CalledBy, Keys::AttendeeList,
          Keys::ReadingList, Keys::SuppliesList, Keys::AdditionalInstruction})
        out << t.settings->read(key);
    return out;
}

QStringList texts(const entry::Meeting& m) {
    return {m.title, m.date, m.caller, m.attendees, m.reading, m.supplies, m.additional};
}

void fillEntry(Form1& f, const QString& time) {
    f.txtTime->setText(time);
    f.txtTopic->setText("Topic " + time);
    f.txtDetails->setText("Details " + time);
    f.txtRoom->setText("Rm " + time);
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestMeetingUndo : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data() {
        QTest::addColumn<Operation>("operation");
        QTest::newRow("typing in the title") << Operation(
            [](AgendaListDriver& d) { QTest::keyClicks(d.f.txtMeetingTitle, " (moved)"); });
        QTest::newRow("typing lines of attendees") << Operation([](AgendaListDriver& d) {
            QTest::keyClicks(d.f.txtAttendeeList, "Ann");
            QTest::keyClick(d.f.txtAttendeeList, Qt::Key_Return);
            QTest::keyClicks(d.f.txtAttendeeList, "Bo");
        });
        QTest::newRow("Add") << Operation([](AgendaListDriver& d) {
            fillEntry(d.f, "E");
            testing::click(d.f.PushButton2);
        });
        QTest::newRow("Delete Selected") << Operation([](AgendaListDriver& d) {
            d.clickRow(2);
            testing::click(d.f.PushButton3);
        });
        QTest::newRow("cell edit") << Operation([](AgendaListDriver& d) {
            d.doubleClick(1, entry::AgendaList::DetailsColumn);
            d.type("new details");
            d.key(Qt::Key_Return);
        });
        QTest::newRow("Alt+Up") << Operation(
            [](AgendaListDriver& d) { d.key(Qt::Key_Up, Qt::AltModifier); });
        QTest::newRow("Alt+Down") << Operation(
            [](AgendaListDriver& d) { d.key(Qt::Key_Down, Qt::AltModifier); });
        QTest::newRow("Alt+Home") << Operation(
            [](AgendaListDriver& d) { d.key(Qt::Key_Home, Qt::AltModifier); });
        QTest::newRow("Alt+End") << Operation(
            [](AgendaListDriver& d) { d.key(Qt::Key_End, Qt::AltModifier); });
        QTest::newRow("Insert Above") << Operation([](AgendaListDriver& d) {
            fillEntry(d.f, "E");
            d.focusList();
            d.key(Qt::Key_Insert, Qt::ShiftModifier);
        });
        QTest::newRow("Insert Below") << Operation([](AgendaListDriver& d) {
            fillEntry(d.f, "E");
            d.focusList();
            d.key(Qt::Key_Insert);
        });
        QTest::newRow("Ctrl+D") << Operation(
            [](AgendaListDriver& d) { d.key(Qt::Key_D, Qt::ControlModifier); });
        QTest::newRow("Delete key")
            << Operation([](AgendaListDriver& d) { d.key(Qt::Key_Delete); });
        QTest::newRow("Clear/Reset Data")
            << Operation([](AgendaListDriver& d) { testing::click(d.f.PushButton4); });
        QTest::newRow("Load Sample/Example Data")
            << Operation([](AgendaListDriver& d) { testing::click(d.f.PushButton5); });
    }

    // Each operation is one step; undo gives back the meeting before it
    // (the store too), redo (Ctrl+Shift+Z or Ctrl+Y) the meeting after it.
    void roundTrip() {
        QFETCH(Operation, operation);
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        QVERIFY(testing::showAndWait(f, true));
        f.setMeeting(startMeeting());
        QCOMPARE(f.undoStack()->count(), 0);
        AgendaListDriver d{f};
        d.focusList();
        d.clickRow(1);
        d.clickRow(2, Qt::ControlModifier); // rows B and C
        const entry::Meeting before = f.meeting();
        operation(d);
        const entry::Meeting after = f.meeting();
        QVERIFY(after != before);
        QCOMPARE(f.undoStack()->count(), 1);
        QCOMPARE(storedTexts(t), texts(after));

        d.focusList();
        d.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.meeting(), before);
        QCOMPARE(storedTexts(t), texts(before));
        d.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.meeting(), after);
        QCOMPARE(storedTexts(t), texts(after));
        d.key(Qt::Key_Z, Qt::ControlModifier);
        d.key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f.meeting(), after);
        QVERIFY(t.messages.boxes.isEmpty());
    }

    // Undoing a step that took the entry boxes' texts (Add, an insert) puts
    // them back, redoing it empties them again; undoing any other step
    // leaves what has been typed there since.
    void undoingAnAddGivesBackTheEntryBoxes() {
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        QVERIFY(testing::showAndWait(f, true));
        f.setMeeting(startMeeting());
        const auto boxes = [&f] {
            return QStringList{f.txtTime->text(), f.txtTopic->text(), f.txtDetails->text(),
                               f.txtRoom->text()};
        };
        const QStringList typed{"E", "Topic E", "Details E", "Rm E"};
        for (const char* key : {"add", "insert below"}) {
            fillEntry(f, "E");
            AgendaListDriver d{f};
            if (QByteArray(key) == "add") {
                testing::click(f.PushButton2);
            } else {
                d.focusList();
                d.clickRow(0);
                d.key(Qt::Key_Insert);
            }
            QCOMPARE(boxes(), QStringList(4, QString()));
            f.txtMeetingTitle->setFocus();
            QTest::keyClicks(f.txtMeetingTitle, "!");
            f.txtTime->setText(QStringLiteral("typed since"));
            d.focusList();
            d.key(Qt::Key_Z, Qt::ControlModifier); // the title: the boxes stay
            QCOMPARE(f.txtTime->text(), QStringLiteral("typed since"));
            d.key(Qt::Key_Z, Qt::ControlModifier); // the add
            QCOMPARE(boxes(), typed);
            QCOMPARE(f.meeting(), startMeeting());
            d.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(boxes(), QStringList(4, QString()));
            QCOMPARE(f.meeting().items.size(), 5);
            d.key(Qt::Key_Z, Qt::ControlModifier);
        }
    }

    // Typing is one step per box until the focus moves; typing back to
    // the old text leaves no step.
    void typingBurstsEndWhereTheFocusMoves() {
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        QVERIFY(testing::showAndWait(f, true));
        f.setMeeting(startMeeting());
        f.txtMeetingTitle->setFocus();
        QTest::keyClick(f.txtMeetingTitle, Qt::Key_End);
        QTest::keyClicks(f.txtMeetingTitle, "xy");
        QTest::keyClick(f.txtMeetingTitle, Qt::Key_Backspace);
        QTest::keyClick(f.txtMeetingTitle, Qt::Key_Backspace);
        QCOMPARE(f.undoStack()->count(), 0);
        QTest::keyClicks(f.txtMeetingTitle, "!!");
        QTest::keyClick(f.txtMeetingTitle, Qt::Key_Tab); // to the date
        QTest::keyClicks(f.txtDateOfMeeting, "1 May");
        QCOMPARE(f.undoStack()->count(), 2);
        f.undoStack()->undo();
        QCOMPARE(f.txtDateOfMeeting->text(), startMeeting().date);
        QCOMPARE(f.txtMeetingTitle->text(), startMeeting().title + "!!");
        f.undoStack()->undo();
        QCOMPARE(f.meeting(), startMeeting());
        QCOMPARE(t.settings->read(Keys::MeetingTitle), startMeeting().title);
    }

    // The seam: setMeeting is no step and stores the texts; replaceMeeting
    // is one; loading the window leaves nothing to undo.
    void meetingSeam() {
        testing::TestServices t;
        t.settings->write(Keys::MeetingTitle, "Stored");
        testing::Form1Run run(t);
        Form1& f = *run.form;
        QCOMPARE(f.undoStack()->count(), 0);
        f.setMeeting(startMeeting());
        QCOMPARE(f.meeting(), startMeeting());
        QCOMPARE(storedTexts(t), texts(startMeeting()));
        QCOMPARE(f.undoStack()->count(), 0);
        entry::Meeting other = startMeeting();
        other.items.move(0, 3);
        other.caller = "Someone else";
        f.replaceMeeting(other, "Open");
        QCOMPARE(f.undoStack()->undoText(), QString("Open"));
        f.undoStack()->undo();
        QCOMPARE(f.meeting(), startMeeting());
        // Clear/Reset and Load Sample, undone: nothing of the meeting is lost.
        f.PushButton4_Click();
        f.PushButton5_Click();
        f.undoStack()->undo();
        f.undoStack()->undo();
        QCOMPARE(f.meeting(), startMeeting());
        QCOMPARE(storedTexts(t), texts(startMeeting()));
    }
};

QTEST_MAIN(TestMeetingUndo)
#include "test_meeting_undo.moc"

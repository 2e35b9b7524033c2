#include "entry/AgendaList.h"
#include "entry/Form1.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TabControl.h"
#include "platform/controls/Twips.h"
#include "support/Form1Fixture.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>
#include <QtTest>

using platform::MsgIcon;
using platform::twipsGeometry;

namespace {

QList<entry::AgendaItem> rows(const Form1& f) {
    return entry::AgendaList::rows(*f.ListView1);
}

void fillEntry(Form1& f, const QString& time, const QString& topic, const QString& details,
               const QString& room) {
    f.txtTime->setText(time);
    f.txtTopic->setText(topic);
    f.txtDetails->setText(details);
    f.txtRoom->setText(room);
}

// Twips land on whole pixels (15 twips at 96 dpi): allow half a pixel.
bool near(const QRect& actual, const QRect& designed) {
    const auto close = [](int a, int b) { return qAbs(a - b) <= 8; };
    return close(actual.x(), designed.x()) && close(actual.y(), designed.y()) &&
           close(actual.width(), designed.width()) && close(actual.height(), designed.height());
}

QString describe(const QWidget* w) {
    const QRect g = twipsGeometry(w);
    return QString("%1: %2,%3 %4x%5")
        .arg(w->objectName())
        .arg(g.x())
        .arg(g.y())
        .arg(g.width())
        .arg(g.height());
}

#define QCOMPARE_TWIPS(widget, ...)                                                                \
    QVERIFY2(near(twipsGeometry(widget), QRect(__VA_ARGS__)), qPrintable(describe(widget)))

void moveOver(QWidget* w) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void controlsStandWhereDesigned() {
        testing::TestServices t;
        testing::Form1Run run(t, false);
        Form1& f = *run.form;
        // The client area below the menu bar.
        QCOMPARE(platform::pixelsToTwips(f.clientArea()->width(), 96), 8040.0);
        QCOMPARE(platform::pixelsToTwips(f.clientArea()->height(), 96), 8730.0);
        QCOMPARE_TWIPS(f.PushButton1, 120, 120, 7800, 405);
        QCOMPARE_TWIPS(f.PushButton4, 120, 630, 3840, 405);
        QCOMPARE_TWIPS(f.PushButton5, 4080, 630, 3840, 405);
        QCOMPARE_TWIPS(f.Frame2, 120, 2070, 7800, 820);
        QCOMPARE_TWIPS(f.txtDateOfMeeting, 240, 330, 7320, 345);
        QCOMPARE_TWIPS(f.SSTab1, 120, 3975, 7800, 4650);
        QCOMPARE_TWIPS(f.Picture1[0], 45, 315, 7680, 4290);
        QCOMPARE_TWIPS(f.txtRoom, 990, 1485, 6460, 330);
        QCOMPARE_TWIPS(f.PushButton3, 3960, 1935, 3480, 405);
        QCOMPARE_TWIPS(f.ListView1, 240, 2460, 7200, 1695);
        QCOMPARE_TWIPS(f.txtAdditionalInstruction, 1560, 3000, 5865, 1095);
        QCOMPARE(f.PushButton1->text(), QString("Start Creating Template"));
        QCOMPARE(f.Frame3->title(), QString("Meeting Called By"));
        QCOMPARE(f.PushButton2->font().pointSizeF(), 11.25);
        QVERIFY(f.PushButton2->font().bold());
        QCOMPARE(f.font().family(), QString("Arial"));
        QCOMPARE(f.Label1.size(), 8);
        QVERIFY(f.Label1[7]->wordWrap());
        QCOMPARE(f.Label1[7]->text(), QString("Additional Instructions:"));
    }

    void timeTabIsInFrontAndHoldsTheAgendaControls() {
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        QCOMPARE(f.SSTab1->count(), 2);
        QCOMPARE(f.SSTab1->tabCaption(0), QString("Attendee, Reading, && Supplies"));
        QCOMPARE(f.SSTab1->tabCaption(1), QString("Time"));
        QCOMPARE(f.SSTab1->currentIndex(), 1);
        QCOMPARE(f.txtTime->parentWidget(), f.Picture1[0]);
        QCOMPARE(f.txtAttendeeList->parentWidget(), f.Picture1[1]);
        QCOMPARE(f.ListView1->columnCount(), 4);
        QCOMPARE(f.ListView1->headerItem()->text(2), QString("Details"));
        QCOMPARE(f.ListView1->columnWidth(1), platform::twipsToPixels(2000, 96));
        QCOMPARE(f.ListView1->columnWidth(2), platform::twipsToPixels(3000, 96));
    }

    void tabOrderAndFocusSelection() {
        testing::TestServices t;
        t.settings->write("Meeting Title", "Board");
        t.settings->write("Called By", "Ann");
        testing::Form1Run run(t);
        Form1& f = *run.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(QApplication::focusWidget(), f.txtMeetingTitle);
        QCOMPARE(f.txtMeetingTitle->selectedText(), QString("Board"));
        const QList<QWidget*> expected = {
            f.txtDateOfMeeting, f.txtCalledBy,     f.txtAttendeeList,
            f.txtReadingList,   f.txtSuppliesList, f.txtAdditionalInstruction,
            f.txtTime,          f.txtTopic,        f.txtDetails,
            f.SSTab1->tabBar(), f.txtRoom,         f.PushButton2,
            f.PushButton3,      f.ListView1,       f.PushButton1,
            f.PushButton4,      f.PushButton5};
        QWidget* w = f.txtMeetingTitle;
        for (QWidget* next : expected) {
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || w->isHidden())
                w = w->nextInFocusChain();
            QCOMPARE(w, next);
        }
        f.txtCalledBy->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(f.txtCalledBy->selectedText(), QString("Ann"));
        f.txtAttendeeList->setPlainText("x");
        f.txtAttendeeList->setFocus(Qt::TabFocusReason);
        QVERIFY(!f.txtAttendeeList->textCursor().hasSelection());
    }

    void addAppendsTheItemAsTypedAndEmptiesTheBoxes() {
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        fillEntry(f, " 1:00 PM ", "Canned Frozen Lobster", "", "Rm 121");
        f.PushButton2_Click();
        QCOMPARE(rows(f),
                 QList<entry::AgendaItem>({{" 1:00 PM ", "Canned Frozen Lobster", "", "Rm 121"}}));
        for (QLineEdit* box : {f.txtTime, f.txtTopic, f.txtDetails, f.txtRoom})
            QVERIFY(box->text().isEmpty());
        QVERIFY(t.messages.boxes.isEmpty());
        QVERIFY(!t.settings->contains("Time")); // only the close stores the list
    }

    void addRefusesMissingEntries_data() {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("room");
        QTest::newRow("spaces only") << "   "
                                     << "Topic"
                                     << "Rm 1";
        QTest::newRow("no topic") << "9:00"
                                  << ""
                                  << "Rm 1";
        QTest::newRow("no room") << "9:00"
                                 << "Topic"
                                 << " ";
    }
    void addRefusesMissingEntries() {
        QFETCH(QString, time);
        QFETCH(QString, topic);
        QFETCH(QString, room);
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        fillEntry(f, time, topic, "details", room);
        f.PushButton2_Click();
        QCOMPARE(t.messages.texts(), QStringList{"Please fill out all entries."});
        QCOMPARE(t.messages.boxes[0].icon, MsgIcon::None);
        QCOMPARE(t.messages.boxes[0].caption, QString("Quillary"));
        QCOMPARE(entry::AgendaList::rowCount(*f.ListView1), 0);
        QCOMPARE(f.txtTime->text(), time);
        QCOMPARE(f.txtDetails->text(), QString("details"));
    }

    void deleteSelectedRemovesOnlyThatRow() {
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        f.PushButton3_Click(); // empty list: nothing at all
        QVERIFY(t.messages.boxes.isEmpty());
        for (const char* time : {"1", "2", "3"}) {
            fillEntry(f, time, "t", "d", "r");
            f.PushButton2_Click();
        }
        f.ListView1->clearSelection();
        f.ListView1->setCurrentItem(nullptr);
        f.PushButton3_Click(); // rows but none selected: reported, nothing removed
        QCOMPARE(t.messages.errorBoxes(), 1);
        QVERIFY(t.messages.boxes[0].text.contains("Form1.PushButton3_Click at line 102"));
        QCOMPARE(entry::AgendaList::rowCount(*f.ListView1), 3);
        f.ListView1->setCurrentItem(f.ListView1->topLevelItem(1));
        f.PushButton3_Click();
        QCOMPARE(rows(f).size(), 2);
        QCOMPARE(rows(f)[0].time, QString("1"));
        QCOMPARE(rows(f)[1].time, QString("3"));
    }

    void sampleReplacesTheMeetingAndStoresTheTexts() {
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        fillEntry(f, "old", "old", "old", "old");
        f.PushButton2_Click();
        fillEntry(f, "typed", "", "", "");
        f.PushButton5_Click();
        QVERIFY(t.messages.boxes.isEmpty());
        QCOMPARE(rows(f).size(), 2);
        QCOMPARE(rows(f)[0].details,
                 QString::fromUtf8(
                     "Lobsters feeding back on themselves just because they\u2019re so abundant"));
        QCOMPARE(rows(f)[1].topic, QString("Canned Frozen Lobster"));
        for (QLineEdit* box : {f.txtTime, f.txtTopic, f.txtDetails, f.txtRoom})
            QVERIFY(box->text().isEmpty());
        QCOMPARE(t.settings->read("Meeting Title"), QString("Lobster Eating Group Meeting"));
        QCOMPARE(t.settings->read("Date of Meeting"), QString("August 2013"));
        QCOMPARE(t.settings->read("Attendee List"),
                 QString("Zorivu Vovura\r\nRire Rorovov\r\nDedare Vizizude\r\nDozuvoda "
                         "Zarevi\r\nVod Ezido"));
        QCOMPARE(t.settings->read("Supplies List"),
                 QString("Protective Gear\r\nCracking Tools\r\nMeat Extractors"));
        QCOMPARE(t.settings->read("Additional Instruction"), QString("Bring extra butter"));
    }

    void resetEmptiesTheMeetingButNotTheEntryBoxes() {
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        f.PushButton5_Click();
        fillEntry(f, "9:00", "Topic", "Details", "Room");
        f.PushButton4_Click();
        QCOMPARE(entry::AgendaList::rowCount(*f.ListView1), 0);
        for (const char* key : {"Meeting Title", "Date of Meeting", "Called By", "Attendee List",
                                "Reading List", "Supplies List", "Additional Instruction"}) {
            QVERIFY(t.settings->contains(key));
            QCOMPARE(t.settings->read(key, "missing"), QString());
        }
        QCOMPARE(f.txtTime->text(), QString("9:00"));
        QCOMPARE(f.txtRoom->text(), QString("Room"));
        run.restart();
        // No new date once the key exists.
        QCOMPARE(run.form->txtDateOfMeeting->text(), QString());
    }

    void typingStoresEveryChange() {
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.txtCalledBy->setFocus();
        f.txtCalledBy->clear();
        QTest::keyClicks(f.txtCalledBy, "Ann");
        QCOMPARE(t.settings->read("Called By"), QString("Ann"));
        f.SSTab1->setCurrentIndex(0);
        f.txtReadingList->setFocus();
        QTest::keyClicks(f.txtReadingList, "A");
        QTest::keyClick(f.txtReadingList, Qt::Key_Return);
        QTest::keyClicks(f.txtReadingList, "B");
        QCOMPARE(t.settings->read("Reading List"), QString("A\r\nB"));
    }

    void pointerRulesNeverReplaceTheHourglass() {
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        f.show();
        moveOver(f.PushButton5);
        QCOMPARE(f.mousePointer(), int(platform::PointerCustom));
        moveOver(f.Frame1);
        QCOMPARE(f.mousePointer(), int(platform::PointerDefault));
        moveOver(f.PushButton1);
        QCOMPARE(f.mousePointer(), int(platform::PointerCustom));
        moveOver(f.txtCalledBy); // no pointer handler of its own
        QCOMPARE(f.mousePointer(), int(platform::PointerCustom));
        f.setMousePointer(platform::PointerBusy);
        moveOver(f.PushButton2);
        moveOver(f.txtMeetingTitle);
        QCOMPARE(f.mousePointer(), int(platform::PointerBusy));
        f.setMousePointer(platform::PointerDefault);
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"

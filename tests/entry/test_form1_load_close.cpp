#include "entry/AgendaList.h"
#include "entry/AgendaListCodec.h"
#include "entry/Form1.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/skin/SkinFramework.h"
#include "support/Form1Fixture.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QTreeWidget>
#include <QtTest>

namespace {

QString today() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

int rowCount(const Form1& f) {
    return entry::AgendaList::rowCount(*f.ListView1);
}

} // namespace

class TestForm1LoadClose : public QObject {
    Q_OBJECT
private slots:
    void firstStartShowsTodayAndStoresIt() {
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        QCOMPARE(f.windowTitle(), QString("Quillary"));
        QCOMPARE(f.txtDateOfMeeting->text(), today());
        QCOMPARE(t.settings->read("Date of Meeting"), today());
        QVERIFY(!t.settings->contains("Meeting Title")); // empty texts are no change
        QCOMPARE(rowCount(f), 0);
        QVERIFY(t.messages.boxes.isEmpty());
        QCOMPARE(t.shell.endCalls, 0);
    }

    void withoutTheEngineTheProgramExplainsAndEnds() {
        testing::TestServices t;
        t.settings->write("Time", "a|b|c|d");
        t.automation.unregisterClass("Word.Application");
        testing::Form1Run run(t);
        QCOMPARE(t.messages.boxes.size(), 1);
        QVERIFY(t.messages.boxes[0].text.startsWith(
            "Error 842001. A normal instance of Word could not be created.\r\n\r\n1. "));
        QCOMPARE(t.messages.boxes[0].icon, platform::MsgIcon::None);
        QCOMPARE(t.messages.boxes[0].caption, QString("Quillary"));
        QCOMPARE(t.shell.endCalls, 1);
        QVERIFY(!run.form->isVisible());
        QCOMPARE(t.settings->read("Time"), QString("a|b|c|d"));
    }

    void storedMeetingComesBackInItsBoxes() {
        testing::TestServices t;
        t.settings->write("Date of Meeting", "someday");
        t.settings->write("Attendee List", "A\r\nB");
        t.settings->write("Additional Instruction", "x\ty\r");
        t.settings->write("Time", "9:00|Open|Welcome|Hall^10:00|Close||Hall");
        testing::Form1Run run(t);
        Form1& f = *run.form;
        QCOMPARE(f.txtDateOfMeeting->text(), QString("someday"));
        QCOMPARE(f.txtAttendeeList->text(), QString("A\r\nB"));
        QCOMPARE(f.txtAdditionalInstruction->text(), QString("x\ty\r"));
        QCOMPARE(t.settings->read("Additional Instruction"), QString("x\ty\r"));
        QCOMPARE(entry::AgendaList::rows(*f.ListView1),
                 QList<entry::AgendaItem>(
                     {{"9:00", "Open", "Welcome", "Hall"}, {"10:00", "Close", "", "Hall"}}));
    }

    void shortEntriesReportEachMissingPiece() {
        testing::TestServices t;
        t.settings->write("Time", "9:00|Open|Welcome|Hall^10:00|Close^a|b|c|d|e");
        testing::Form1Run run(t);
        Form1& f = *run.form;
        QCOMPARE(rowCount(f), 3);
        QCOMPARE(f.ListView1->topLevelItem(1)->text(2), QString());
        QCOMPARE(f.ListView1->topLevelItem(2)->text(3), QString("d"));
        QCOMPARE(t.messages.errorBoxes(), 2);
        QVERIFY(
            t.messages.boxes[0].text.contains("in Parvelin2021/08/31.Form1.Form_Load at line 172"));
        QVERIFY(t.messages.boxes[1].text.contains("at line 174"));
        QCOMPARE(t.messages.boxes[0].icon, platform::MsgIcon::Exclamation);
    }

    void anEmptyEntryGivesNoRow() {
        testing::TestServices t;
        t.settings->write("Time", "a|b|c|d^^e|f|g|h");
        testing::Form1Run run(t);
        QCOMPARE(rowCount(*run.form), 2);
        QCOMPARE(t.messages.errorBoxes(), 4);
    }

    void closeStoresTheListAndEndsTheProgram() {
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        f.PushButton5_Click();
        f.txtTime->setText("3:00 PM");
        f.txtTopic->setText("Pipes | and ^ carets");
        f.txtRoom->setText("Rm 1");
        f.PushButton2_Click();
        int doEventsAtEnd = -1;
        t.shell.processRealEvents = false;
        f.show();
        f.close();
        doEventsAtEnd = t.shell.doEventsCalls;
        QCOMPARE(t.shell.endCalls, 1);
        QCOMPARE(doEventsAtEnd, 2);
        const QList<entry::AgendaItem> before = entry::AgendaList::rows(*f.ListView1);
        run.restart();
        QCOMPARE(entry::AgendaList::rows(*run.form->ListView1), before);
        QCOMPARE(run.form->txtMeetingTitle->text(), QString("Lobster Eating Group Meeting"));
        QVERIFY(t.messages.boxes.isEmpty());
    }

    void sampleIsStoredAsTheDocumentedValue() {
        testing::TestServices t;
        testing::Form1Run run(t);
        run.form->PushButton5_Click();
        run.form->Form_QueryUnload();
        QCOMPARE(t.settings->read("Time"),
                 QString::fromUtf8("12:00 PM|Lobsters Cannibalism|Lobsters feeding back on "
                                   "themselves just because they\u2019re so abundant|Rm 121^1:00 "
                                   "PM|Canned Frozen Lobster|Is it worth eating?|Rm 121"));
        run.form->PushButton4_Click();
        run.form->Form_QueryUnload();
        QVERIFY(t.settings->contains("Time"));
        QCOMPARE(t.settings->read("Time", "missing"), QString());
    }

    void aChangedListIsNotStoredUntilTheWindowCloses() {
        testing::TestServices t;
        t.settings->write("Time", "a|b|c|d");
        testing::Form1Run run(t);
        run.form->ListView1->clear();
        run.restart();
        QCOMPARE(rowCount(*run.form), 1);
    }

    void moreThan32767ItemsAreKept() {
        testing::TestServices t;
        QList<entry::AgendaItem> items;
        for (int i = 0; i < 33000; ++i)
            items << entry::AgendaItem{QString::number(i), "t", "", "r"};
        t.settings->write("Time", entry::EncodeAgendaList(items));
        testing::Form1Run run(t);
        QCOMPARE(rowCount(*run.form), 33000);
        run.form->Form_QueryUnload();
        QCOMPARE(t.settings->read("Time"), entry::EncodeAgendaList(items));
    }

    void optionalFilesChangeOnlyTheLook() {
        testing::TestServices t;
        {
            testing::Form1Run plain(t);
            QVERIFY(!plain.form->SkinFramework1->isLoaded());
            QVERIFY(!plain.form->hasMouseIcon());
        }
        QDir(t.programFolder).mkpath("x");
        QFile::copy(QFINDTESTDATA("../../resources/x/o.cjs"), t.programFolder + "/x/o.cjs");
        QFile::copy(QFINDTESTDATA("../../resources/HAND-M.CUR"), t.programFolder + "/HAND-M.CUR");
        testing::Form1Run skinned(t);
        QVERIFY(skinned.form->SkinFramework1->isLoaded());
        QVERIFY(skinned.form->hasMouseIcon());
        QCOMPARE(skinned.form->backgroundRole(), QPalette::Button);
        QVERIFY(t.messages.boxes.isEmpty());
    }

    void aDamagedPointerFileIsReportedAndLoadingGoesOn() {
        testing::TestServices t;
        QFile bad(t.programFolder + "/HAND-M.CUR");
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a cursor");
        bad.close();
        t.settings->write("Called By", "Ann");
        testing::Form1Run run(t);
        QCOMPARE(t.messages.errorBoxes(), 1);
        QVERIFY(t.messages.boxes[0].text.contains("Form1.Form_Load at line 106"));
        QCOMPARE(run.form->txtCalledBy->text(), QString("Ann"));
        QCOMPARE(run.form->ListView1->columnCount(), 4);
    }

    void homePageGoesThroughTheShell() {
        testing::TestServices t;
        int visits = 0;
        for (int i = 0; i < 300; ++i) {
            testing::Form1Run run(t);
            visits = t.shell.openedUrls.size();
        }
        QVERIFY(visits < 15);
    }
};

QTEST_MAIN(TestForm1LoadClose)
#include "test_form1_load_close.moc"

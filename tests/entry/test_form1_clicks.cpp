// Each button of the entry window, clicked with the mouse on a shown
// window: what the click does goes through the window's own wiring.
#include "entry/AgendaList.h"
#include "entry/Form1.h"
#include "entry/SampleMeeting.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/controls/TabControl.h"
#include "preview/Form2.h"
#include "support/Clicks.h"
#include "support/GenerationFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using testing::click;

namespace {

// The entry window of a generation run, shown.
Form1& shown(testing::GenerationRun& g) {
    if (!testing::showAndWait(g.form()))
        qFatal("the entry window was not shown");
    return g.form();
}

} // namespace

class Form1ClicksTest : public QObject {
    Q_OBJECT

private slots:
    void loadSampleFillsTheWindow() {
        testing::GenerationRun g;
        Form1& f = shown(g);
        click(f.PushButton5);
        const entry::Meeting sample = entry::sampleMeeting();
        QCOMPARE(f.txtMeetingTitle->text(), sample.title);
        QCOMPARE(f.txtAdditionalInstruction->text(), sample.additional);
        QCOMPARE(entry::AgendaList::rows(*f.ListView1), sample.items);
    }

    void addAppendsTheEntryBoxes() {
        testing::GenerationRun g;
        Form1& f = shown(g);
        f.SSTab1->setCurrentIndex(1);
        f.txtTime->setText("9:00");
        f.txtTopic->setText("Budget");
        f.txtDetails->setText("Q3");
        f.txtRoom->setText("Rm 1");
        click(f.PushButton2);
        QCOMPARE(entry::AgendaList::rows(*f.ListView1),
                 QList<entry::AgendaItem>({{"9:00", "Budget", "Q3", "Rm 1"}}));
        QVERIFY(f.txtTime->text().isEmpty());
    }

    void deleteRemovesTheSelectedRow() {
        testing::GenerationRun g;
        Form1& f = shown(g);
        click(f.PushButton5);
        f.SSTab1->setCurrentIndex(1);
        f.ListView1->setCurrentItem(f.ListView1->topLevelItem(0));
        click(f.PushButton3);
        QCOMPARE(entry::AgendaList::rows(*f.ListView1),
                 QList<entry::AgendaItem>{entry::sampleMeeting().items.at(1)});
    }

    void clearEmptiesTextsAndList() {
        testing::GenerationRun g;
        Form1& f = shown(g);
        click(f.PushButton5);
        click(f.PushButton4);
        QVERIFY(f.txtMeetingTitle->text().isEmpty());
        QVERIFY(f.txtAttendeeList->text().isEmpty());
        QCOMPARE(f.ListView1->topLevelItemCount(), 0);
    }

    void startCreatesTheAgendaAndOpensThePreview() {
        testing::GenerationRun g;
        Form1& f = shown(g);
        click(f.PushButton5);
        click(f.PushButton1);
        QVERIFY2(g.t.messages.boxes.isEmpty(), qPrintable(g.t.messages.texts().join('\n')));
        QVERIFY(f.form2().isVisible());
        QVERIFY(!f.isVisible());
        QCOMPARE(f.form2().ListView1->topLevelItem(0)->text(0), QString("Page 1"));
        QCOMPARE(g.agendaFiles().size(), 1);
    }

    void startWithoutItemsAsksForThem() {
        testing::GenerationRun g;
        Form1& f = shown(g);
        click(f.PushButton1);
        QCOMPARE(g.t.messages.texts(), QStringList{"You forgot to add time."});
        QVERIFY(!f.hasForm2());
    }
};

QTEST_MAIN(Form1ClicksTest)
#include "test_form1_clicks.moc"

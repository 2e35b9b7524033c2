// The end of the session and a later start reach the running program.
#include "app/OutsideRequests.h"
#include "entry/AgendaList.h"
#include "entry/Form1.h"
#include "preview/Form2.h"
#include "support/GenerationFixture.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QSessionManager>
#include <QTreeWidget>
#include <QtTest>

namespace {

void addItem(Form1& f) {
    f.txtTime->setText("9:00");
    f.txtTopic->setText("Budget");
    f.txtDetails->setText("Q3");
    f.txtRoom->setText("Rm 1");
    f.PushButton2_Click();
}

// The session manager's save-yourself before a logout.
void logoutRequest() {
    auto* manager = qGuiApp->findChild<QSessionManager*>();
    QVERIFY(manager);
    emit qGuiApp->commitDataRequest(*manager);
}

} // namespace

class TestOutsideRequests : public QObject {
    Q_OBJECT
private slots:
    // A logout the user may still cancel: the list is stored, the program
    // goes on; a change after the cancel is stored by the real end.
    void aLogoutRequestStoresTheListAndKeepsRunning() {
        testing::GenerationRun g;
        Form1& f = g.form();
        f.show();
        app::OutsideRequests outside(f);
        addItem(f);
        logoutRequest();
        QCOMPARE(g.t.settings->read("Time"), QString("9:00|Budget|Q3|Rm 1"));
        QCOMPARE(g.t.shell.endCalls, 0);
        QVERIFY(f.isVisible());

        // Cancelled: the user goes on working; the session ends later.
        f.txtTime->setText("10:00");
        f.txtTopic->setText("Close");
        f.txtRoom->setText("Rm 2");
        f.PushButton2_Click();
        logoutRequest();
        QCOMPARE(g.t.shell.endCalls, 0);
        outside.endProgram();
        QCOMPARE(g.t.shell.endCalls, 1);
        QCOMPARE(g.t.settings->read("Time"), QString("9:00|Budget|Q3|Rm 1^10:00|Close||Rm 2"));
        QVERIFY(g.t.messages.boxes.isEmpty());
    }

    void aLogoutRequestOverThePreviewKeepsItsDocument() {
        testing::GenerationRun g;
        Form1& f = g.form();
        f.show();
        app::OutsideRequests outside(f);
        f.PushButton5_Click();
        f.PushButton1_Click();
        Form2& p = f.form2();
        QVERIFY(p.isVisible());
        logoutRequest();
        QCOMPARE(g.t.shell.endCalls, 0);
        QVERIFY(p.isVisible());
        QVERIFY(QFile::exists(p.mWordFile));
        QCOMPARE(g.t.settings->read("Time").count('^'), 1); // the sample's two items
        outside.endProgram();
        QCOMPARE(g.t.shell.endCalls, 1);
        QVERIFY(!QFile::exists(p.mWordFile));
        QVERIFY(g.agendaFiles().isEmpty());
    }

    void aLogoutRequestBeforeTheWindowIsShownStoresNothing() {
        testing::GenerationRun g;
        g.t.settings->write("Time", "a|b|c|d");
        Form1& f = g.form(); // loaded, not shown yet
        app::OutsideRequests outside(f);
        f.ListView1->clear();
        logoutRequest();
        QCOMPARE(g.t.shell.endCalls, 0);
        QCOMPARE(g.t.settings->read("Time"), QString("a|b|c|d"));
    }

    void aLaterStartBringsTheShownWindowBack() {
        testing::GenerationRun g;
        Form1& f = g.form();
        f.show();
        app::OutsideRequests outside(f);
        f.showMinimized();
        QVERIFY(f.isMinimized());
        outside.bringToFront();
        QVERIFY(!f.isMinimized());
        QVERIFY(f.isVisible());
    }
};

QTEST_MAIN(TestOutsideRequests)
#include "test_outside_requests.moc"

#include "app/ErrorTrap.h"
#include "platform/errors/RuntimeError.h"
#include "support/ScriptedMessages.h"

#include <QtTest>

#include <stdexcept>

using namespace platform;

class TestErrorTrap : public QObject {
    Q_OBJECT
private slots:
    void boxTextIsExact() {
        testing::ScriptedMessages messages;
        app::ErrorTrap trap(messages, "Form1", "Form_Load");
        trap.step(104, [] { throw RuntimeError("File not found"); });
        QCOMPARE(messages.boxes.size(), 1);
        const auto& box = messages.boxes.first();
        QCOMPARE(box.text,
                 QString("File not found\r\nin Parvelin2021/08/31.Form1.Form_Load at line "
                         "104\r\rPlease email screenshot of this message to "
                         "support@marrowind.example"));
        QCOMPARE(box.caption, QString("Application Error"));
        QCOMPARE(box.icon, MsgIcon::Exclamation);
        QCOMPARE(box.buttons, MsgButtons::Ok);
    }

    void eachFailingStepReportsAndTheNextStillRuns() {
        testing::ScriptedMessages messages;
        app::ErrorTrap trap(messages, "Form1", "PushButton1_Click", MsgIcon::None);
        QStringList ran;
        QVERIFY(!trap.step(100, [] { throw std::runtime_error("first"); }));
        QVERIFY(trap.step(102, [&] { ran << "102"; }));
        QVERIFY(!trap.step(104, [] { throw 42; }));
        QCOMPARE(ran, QStringList{"102"});
        QCOMPARE(messages.errorBoxes(), 2);
        QVERIFY(messages.boxes[0].text.startsWith("first\r\n"));
        QVERIFY(messages.boxes[1].text.contains("at line 104"));
        QCOMPARE(messages.boxes[1].icon, MsgIcon::None);
        QCOMPARE(trap.failures(), 2);
    }

    void aFailingTestEntersTheBranchItGuardsUnlessToldOtherwise() {
        testing::ScriptedMessages messages;
        app::ErrorTrap trap(messages, "MeetingAgenda", "GenerateMeetingAgenda");
        QVERIFY(trap.test(204, []() -> bool { throw RuntimeError("x"); }));
        QVERIFY(!trap.test(
            320, []() -> bool { throw RuntimeError("x"); }, false));
        QVERIFY(!trap.test(204, [] { return false; }));
        QCOMPARE(messages.errorBoxes(), 2);
    }
};

QTEST_GUILESS_MAIN(TestErrorTrap)
#include "test_error_trap.moc"

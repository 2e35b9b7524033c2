#include "generation/RunningWordGuard.h"
#include "platform/automation/AutomationRegistry.h"
#include "platform/word/automation/Application.h"
#include "support/FakeClipboard.h"
#include "support/ScriptedMessages.h"

#include <QtTest>

namespace {

// A running object that answers with another name.
class Impostor final : public platform::AutomationObject {
public:
    QVariant defaultProperty() const override { return QStringLiteral("Microsoft Word 2"); }
    bool isRunning() const override { return true; }
};

} // namespace

class RunningWordGuardTest : public QObject {
    Q_OBJECT

private:
    platform::AutomationRegistry registry;
    testing::FakeClipboard clipboard;
    testing::ScriptedMessages messages;

private slots:
    void init() {
        registry = {};
        messages.clear();
        word::registerEngine(registry, clipboard);
    }

    void nothingRunningAsksNothing() {
        QVERIFY(!MeetingAgenda::IsWordOpen(registry));
        QVERIFY(!MeetingAgenda::StopIfWordOpen(registry, messages));
        QVERIFY(messages.boxes.isEmpty());
    }

    void aRunningInstanceAsksAndOnlyYesGoesOn() {
        auto running = registry.create<word::Application>(QStringLiteral("Word.Application"));
        QVERIFY(MeetingAgenda::IsWordOpen(registry));
        messages.answerNext(platform::MsgAnswer::Yes);
        QVERIFY(!MeetingAgenda::StopIfWordOpen(registry, messages));
        messages.answerNext(platform::MsgAnswer::No);
        QVERIFY(MeetingAgenda::StopIfWordOpen(registry, messages));
        QCOMPARE(messages.boxes.size(), 2);
        const auto& box = messages.boxes.front();
        QCOMPARE(box.buttons, platform::MsgButtons::YesNo);
        QCOMPARE(box.icon, platform::MsgIcon::None);
        QCOMPARE(box.text, QStringLiteral("Word may be open. It is recommended that you close Word "
                                          "first. Use Ctrl+Alt+Del > Task Manager > WINWORD.EXE if "
                                          "necessary.\r\n\r\nWould you like to proceed anyway?"));
        QVERIFY(running->isRunning()); // asked, not touched
        running->Quit();
        QVERIFY(!MeetingAgenda::IsWordOpen(registry));
    }

    void anotherNameCountsAsNotRunning() {
        registry.registerClass(QStringLiteral("Word.Application"),
                               [] { return std::make_shared<Impostor>(); });
        auto impostor = registry.createObject(QStringLiteral("Word.Application"));
        QVERIFY(!MeetingAgenda::IsWordOpen(registry));
        QVERIFY(!MeetingAgenda::StopIfWordOpen(registry, messages));
        QVERIFY(messages.boxes.isEmpty());
    }
};

QTEST_MAIN(RunningWordGuardTest)
#include "test_running_word_guard.moc"

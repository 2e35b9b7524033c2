#include "app/IsInstalled.h"
#include "platform/automation/AutomationRegistry.h"
#include "platform/word/automation/Application.h"
#include "support/FakeClipboard.h"
#include "support/FakeShell.h"
#include "support/ScriptedMessages.h"

#include <QtTest>

class IsInstalledTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::setApplicationTitle(QStringLiteral("Quillary")); }

    void anEngineIsCreatedAndQuitQuietly() {
        platform::AutomationRegistry registry;
        testing::FakeClipboard clipboard;
        testing::ScriptedMessages messages;
        testing::FakeShell shell;
        word::registerEngine(registry, clipboard);
        IsInstalled::CheckWordAvailable(registry, messages, shell);
        QVERIFY(messages.boxes.isEmpty());
        QCOMPARE(shell.endCalls, 0);
        // The instance it made has quit: nothing is left running.
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError,
                                 registry.getObject(QStringLiteral("Word.Application")));
    }

    void withNothingRegisteredTheUserIsToldAndTheProgramEnds() {
        platform::AutomationRegistry registry;
        testing::ScriptedMessages messages;
        testing::FakeShell shell;
        messages.onShow = [&](const testing::ScriptedMessages::Box&) {
            QCOMPARE(shell.endCalls, 0); // the box comes first
        };
        IsInstalled::CheckWordAvailable(registry, messages, shell);
        QCOMPARE(messages.boxes.size(), 1);
        const auto& box = messages.boxes.front();
        QCOMPARE(box.buttons, platform::MsgButtons::Ok);
        QCOMPARE(box.icon, platform::MsgIcon::None);
        QCOMPARE(box.caption, QStringLiteral("Quillary"));
        const QStringList paragraphs = box.text.split(QStringLiteral("\r\n\r\n"));
        QCOMPARE(paragraphs.size(), 5);
        QCOMPARE(paragraphs[0],
                 QStringLiteral("Error 842001. A normal instance of Word could not be created."));
        QVERIFY(paragraphs[2].endsWith(QStringLiteral("(such as an Word file recovery window).")));
        QVERIFY(paragraphs[4].startsWith(QStringLiteral("4. All versions of Word are supported")));
        QCOMPARE(shell.endCalls, 1);
    }

    void aFactoryThatFailsCountsAsMissing() {
        platform::AutomationRegistry registry;
        registry.registerClass(QStringLiteral("Word.Application"),
                               []() -> std::shared_ptr<platform::AutomationObject> {
                                   throw platform::RuntimeError(QStringLiteral("broken"));
                               });
        testing::ScriptedMessages messages;
        testing::FakeShell shell;
        IsInstalled::CheckWordAvailable(registry, messages, shell);
        QCOMPARE(messages.boxes.size(), 1);
        QCOMPARE(shell.endCalls, 1);
    }
};

QTEST_MAIN(IsInstalledTest)
#include "test_is_installed.moc"

// The program wired as main() wires it, for the process tests: they start
// it, send it signals, start it twice, and read what it prints. Every message
// box is printed as "box: <text>" instead of shown. One scripted action
// after start-up: "entry" adds an agenda item, "preview" generates the
// sample meeting, "save" generates it and saves the result as
// $QUILLARY_SAVE_AS. Prints "ready" (with the temporary document's path in
// "preview") once the event loop runs, "preview <platform> <app id> <pages>
// <title>" when the preview is on show (in "save"), and "activated" when a
// later start asked for the front.
#include "app/OutsideRequests.h"
#include "entry/Form1.h"
#include "platform/automation/AutomationRegistry.h"
#include "platform/clipboard/SystemClipboard.h"
#include "platform/messages/MessageService.h"
#include "platform/session/SingleInstance.h"
#include "platform/settings/SettingsStore.h"
#include "platform/shell/DesktopShell.h"
#include "platform/word/automation/Application.h"
#include "preview/Form2.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

void say(const QString& line) {
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}

class PrintedMessages final : public platform::MessageService {
public:
    platform::MsgAnswer show(const QString& text, platform::MsgButtons buttons, platform::MsgIcon,
                             const QString&) override {
        say(QStringLiteral("box: ") + QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        return buttons == platform::MsgButtons::YesNo ? platform::MsgAnswer::Yes
                                                      : platform::MsgAnswer::Ok;
    }
};

// The desktop's shell, but the save dialog answers $QUILLARY_SAVE_AS.
class SavingShell final : public platform::Shell {
public:
    void openUrl(const QString& address) override { m_desktop.openUrl(address); }
    void endProgram() override { m_desktop.endProgram(); }
    bool endRequested() const override { return m_desktop.endRequested(); }
    void doEvents() override { m_desktop.doEvents(); }
    QString askSaveFileName(const QString& title, const QString& filter,
                            const QString& fileName) override {
        const QString target = qEnvironmentVariable("QUILLARY_SAVE_AS");
        return target.isEmpty() ? m_desktop.askSaveFileName(title, filter, fileName) : target;
    }
    bool askPrint(QPrinter& printer, int pageCount) override {
        return m_desktop.askPrint(printer, pageCount);
    }

private:
    platform::DesktopShell m_desktop;
};

// A generator whose first draw does not open the maker's web site.
quint32 seedWithoutHomePage() {
    for (quint32 seed = 1;; ++seed) {
        QRandomGenerator probe(seed);
        if (static_cast<int>(probe.generateDouble() * 100) + 1 != 7)
            return seed;
    }
}

void act(Form1& form1, const QString& mode) {
    if (mode == QLatin1String("entry")) {
        form1.txtTime->setText(QStringLiteral("9:00"));
        form1.txtTopic->setText(QStringLiteral("Budget"));
        form1.txtDetails->setText(QStringLiteral("Q3"));
        form1.txtRoom->setText(QStringLiteral("Rm 1"));
        form1.PushButton2_Click();
        say(QStringLiteral("ready"));
    } else if (mode == QLatin1String("preview")) {
        form1.PushButton5_Click();
        form1.PushButton1_Click();
        say(QStringLiteral("ready ") + form1.form2().mWordFile);
    } else if (mode == QLatin1String("save")) {
        form1.PushButton5_Click();
        form1.PushButton1_Click();
        Form2& preview = form1.form2();
        QTimer::singleShot(500, &preview, [&preview] {
            say(QStringLiteral("preview %1 %2 %3 %4")
                    .arg(preview.isVisible() ? QGuiApplication::platformName()
                                             : QStringLiteral("hidden"),
                         QGuiApplication::desktopFileName())
                    .arg(preview.ListView1->topLevelItemCount())
                    .arg(preview.windowTitle()));
            preview.PushButton6->click();
            say(QStringLiteral("ready"));
        });
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("quillary"));
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("entry");
    platform::SingleInstance instance(platform::SettingsStore::userFileName());
    if (!instance.claim())
        return 0;
    PrintedMessages messages;
    SavingShell shell;
    platform::SettingsStore settings;
    platform::AutomationRegistry automation;
    platform::SystemClipboard clipboard;
    word::registerEngine(automation, clipboard);
    QRandomGenerator random(seedWithoutHomePage());
    const app::Services services{messages,
                                 shell,
                                 settings,
                                 automation,
                                 clipboard,
                                 random,
                                 QCoreApplication::applicationDirPath()};

    Form1 form1(services);
    app::OutsideRequests outside(form1, &instance);
    QObject::connect(&instance, &platform::SingleInstance::activationRequested,
                     [] { say(QStringLiteral("activated")); });
    form1.Form_Load();
    if (shell.endRequested())
        return 0;
    form1.show();
    QTimer::singleShot(0, &form1, [&] { act(form1, mode); });
    return application.exec();
}

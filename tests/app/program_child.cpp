// The program wired as main() wires it, for the process tests: they start
// it, send it signals, start it twice, and read what it prints. Every message
// box is printed as "box: <text>" instead of shown. One scripted action
// after start-up: "entry" adds an agenda item, "preview" generates the
// sample meeting (and prints "clipboard <changes> <text>": how often the
// system clipboard changed meanwhile, and its text), "save" generates it and
// saves the result as $QUILLARY_SAVE_AS (and prints "preview <platform> <app
// id> <pages> <title>" once the preview is on show), "idle" does nothing.
// Prints "ready" (with the temporary document's path in "preview", the
// agenda list in "idle") once the event loop runs, and "activated" when a
// later start asked for the front. A file named after the mode is opened as
// the program opens the file it is started with; "opened <meeting title>"
// follows each file opened, this one and those later starts hand over.
#include "app/Leftovers.h"
#include "app/OutsideRequests.h"
#include "entry/Form1.h"
#include "platform/automation/AutomationRegistry.h"
#include "platform/clipboard/PrivateClipboard.h"
#include "platform/messages/MessageService.h"
#include "platform/session/SingleInstance.h"
#include "platform/settings/SettingsStore.h"
#include "platform/shell/DesktopShell.h"
#include "platform/word/automation/Application.h"
#include "preview/Form2.h"

#include <QApplication>
#include <QClipboard>
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
    QString askOpenFileName(const QString& title, const QString& filter,
                            const QString& folder) override {
        return m_desktop.askOpenFileName(title, filter, folder);
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
        // What the user copied elsewhere stays on the clipboard, untouched.
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("copied elsewhere"));
        int changes = 0;
        QObject::connect(clipboard, &QClipboard::dataChanged, [&changes] { ++changes; });
        form1.PushButton5_Click();
        form1.PushButton1_Click();
        QObject::disconnect(clipboard, &QClipboard::dataChanged, nullptr, nullptr);
        say(QStringLiteral("clipboard %1 %2").arg(changes).arg(clipboard->text()));
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
    } else {
        say(QStringLiteral("ready ") + form1.EncodedAgendaList());
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("quillary"));
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("entry");
    const QString file = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    platform::SingleInstance instance(platform::SettingsStore::userFileName());
    if (!instance.claim(file))
        return 0;
    app::deleteLeftoversOfEndedRuns(instance);
    PrintedMessages messages;
    SavingShell shell;
    platform::SettingsStore settings;
    platform::AutomationRegistry automation;
    platform::PrivateClipboard clipboard;
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
    const auto opened = [&form1] {
        say(QStringLiteral("opened ") + form1.txtMeetingTitle->text());
    };
    QObject::connect(&instance, &platform::SingleInstance::openRequested, opened);
    form1.Form_Load();
    if (shell.endRequested())
        return 0;
    form1.show();
    if (!file.isEmpty()) {
        outside.openFile(file);
        opened();
    }
    QTimer::singleShot(0, &form1, [&] { act(form1, mode); });
    return application.exec();
}

// Quillary: the program starts with the entry window.
#include "../app/CommandLine.h"
#include "../entry/Form1.h"
#include "../platform/automation/AutomationRegistry.h"
#include "../platform/clipboard/PrivateClipboard.h"
#include "../platform/messages/QtMessageService.h"
#include "../platform/session/SingleInstance.h"
#include "../platform/settings/SettingsStore.h"
#include "../platform/shell/DesktopShell.h"
#include "../platform/word/automation/Application.h"
#include "Leftovers.h"
#include "OutsideRequests.h"
#include "Translations.h"

#include <QApplication>
#include <QRandomGenerator>

int main(int argc, char* argv[]) {
    QString file; // a meeting file or invitation to open
    if (const auto exitCode = app::commandLineExitCode(argc, argv, file))
        return *exitCode;
    QApplication application(argc, argv);
    // The Wayland app id and the X11 window class: the desktop entry's name.
    QGuiApplication::setDesktopFileName(QStringLiteral("quillary"));
    const app::Translations translations(QLocale::system());
    // A second start for the same settings brings the first to the front,
    // or hands it the file to open.
    platform::SingleInstance instance(platform::SettingsStore::userFileName());
    if (!instance.claim(file))
        return 0;
    app::deleteLeftoversOfEndedRuns(instance);
    platform::QtMessageService messages;
    platform::DesktopShell shell;
    platform::SettingsStore settings;
    platform::AutomationRegistry automation;
    platform::PrivateClipboard clipboard;
    word::registerEngine(automation, clipboard);
    const app::Services services{messages,
                                 shell,
                                 settings,
                                 automation,
                                 clipboard,
                                 *QRandomGenerator::global(),
                                 QCoreApplication::applicationDirPath()};

    Form1 form1(services);
    app::OutsideRequests outside(form1, &instance);
    form1.Form_Load();
    if (shell.endRequested())
        return 0;
    form1.show();
    if (!file.isEmpty())
        outside.openFile(file);
    return application.exec();
}

// Quillary: the program starts with the entry window.
#include "../entry/Form1.h"
#include "../platform/automation/AutomationRegistry.h"
#include "../platform/clipboard/SystemClipboard.h"
#include "../platform/messages/QtMessageService.h"
#include "../platform/settings/SettingsStore.h"
#include "../platform/shell/DesktopShell.h"
#include "../platform/word/automation/Application.h"

#include <QApplication>
#include <QRandomGenerator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    platform::QtMessageService messages;
    platform::DesktopShell shell;
    platform::SettingsStore settings;
    platform::AutomationRegistry automation;
    platform::SystemClipboard clipboard;
    word::registerEngine(automation, clipboard);
    const app::Services services{messages,  shell,
                                 settings,  automation,
                                 clipboard, *QRandomGenerator::global(),
                                 QCoreApplication::applicationDirPath()};

    Form1 form1(services);
    form1.Form_Load();
    if (shell.endRequested())
        return 0;
    form1.show();
    return application.exec();
}

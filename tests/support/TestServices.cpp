#include "TestServices.h"

#include "platform/word/automation/Application.h"

#include <QDir>

namespace testing {

TestServices::TestServices() {
    programFolder = dir.filePath(QStringLiteral("program"));
    QDir().mkpath(programFolder);
    settingsFile = dir.filePath(QStringLiteral("Marrowind.ini"));
    settings = std::make_unique<platform::SettingsStore>(settingsFile);
    // As at program start: the document engine answers to "Word.Application".
    word::registerEngine(automation, clipboard);
}

void TestServices::reopenSettings() {
    settings.reset();
    settings = std::make_unique<platform::SettingsStore>(settingsFile);
}

app::Services TestServices::services() {
    return app::Services{messages, shell, *settings, automation, clipboard, random, programFolder};
}

} // namespace testing

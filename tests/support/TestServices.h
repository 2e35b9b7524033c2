#pragma once

#include "FakeClipboard.h"
#include "FakeShell.h"
#include "ScriptedMessages.h"

#include "app/Services.h"
#include "platform/automation/AutomationRegistry.h"
#include "platform/settings/SettingsStore.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <memory>

namespace testing {

// A complete set of doubles: a settings file and a program folder of their
// own in a temporary directory, scripted boxes, a shell that opens nothing,
// an in-memory clipboard, and the document engine registered.
class TestServices {
public:
    TestServices();
    app::Services services();

    // Starts afresh on the same settings file, as a new run of the program would.
    void reopenSettings();

    QTemporaryDir dir;
    ScriptedMessages messages;
    FakeShell shell;
    FakeClipboard clipboard;
    platform::AutomationRegistry automation;
    QRandomGenerator random{12345};
    std::unique_ptr<platform::SettingsStore> settings;
    QString programFolder;
    QString settingsFile;
};

} // namespace testing

#pragma once

class QRandomGenerator;

namespace platform {
class MessageService;
class Shell;
class SettingsStore;
class AutomationRegistry;
class Clipboard;
} // namespace platform

#include <QString>

namespace app {

// The platform as the windows and procedures see it. Production wires the
// real desktop; tests wire doubles.
struct Services {
    platform::MessageService& messages;
    platform::Shell& shell;
    platform::SettingsStore& settings;
    platform::AutomationRegistry& automation;
    platform::Clipboard& clipboard;
    QRandomGenerator& random;
    // The folder of the program file: optional files are looked up there.
    QString programFolder;
};

} // namespace app

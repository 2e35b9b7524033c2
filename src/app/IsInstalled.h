#pragma once

#include <QString>

namespace platform {
class AutomationRegistry;
class MessageService;
class Shell;
} // namespace platform

namespace IsInstalled {

// What the user reads when no word processor instance can be created.
QString WordMissingMessage();

// Creates a "Word.Application" instance and quits it again. When none can
// be created, explains what to check and ends the program. Never fails.
void CheckWordAvailable(platform::AutomationRegistry& automation,
                        platform::MessageService& messages, platform::Shell& shell);

} // namespace IsInstalled

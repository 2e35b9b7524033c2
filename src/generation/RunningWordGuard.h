#pragma once

#include <QString>

namespace platform {
class AutomationRegistry;
class MessageService;
} // namespace platform

namespace MeetingAgenda {

// The question asked when a word processor instance is already running.
QString WordOpenQuestion();

// True when a running "Word.Application" instance answers with the name
// "Microsoft Word". Never fails.
bool IsWordOpen(platform::AutomationRegistry& automation);

// Asks whether to go on when an instance is running; true means stop.
// A failure of the box propagates to the caller's error trap.
bool StopIfWordOpen(platform::AutomationRegistry& automation, platform::MessageService& messages);

} // namespace MeetingAgenda

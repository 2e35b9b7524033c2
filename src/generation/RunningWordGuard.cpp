#include "RunningWordGuard.h"

#include "platform/automation/AutomationRegistry.h"
#include "platform/messages/MessageService.h"

#include <QCoreApplication>

namespace MeetingAgenda {

QString WordOpenQuestion() {
    return QCoreApplication::translate(
        "MeetingAgenda", "Word may be open. It is recommended that you close Word first. Use "
                         "Ctrl+Alt+Del > Task Manager > WINWORD.EXE if necessary.\r\n\r\n"
                         "Would you like to proceed anyway?");
}

bool IsWordOpen(platform::AutomationRegistry& automation) {
    try {
        const auto running = automation.getObject(QStringLiteral("Word.Application"));
        return running->defaultProperty().toString() == QStringLiteral("Microsoft Word");
    } catch (...) {
        return false;
    }
}

bool StopIfWordOpen(platform::AutomationRegistry& automation, platform::MessageService& messages) {
    if (!IsWordOpen(automation))
        return false;
    const platform::MsgAnswer answer =
        messages.show(WordOpenQuestion(), platform::MsgButtons::YesNo, platform::MsgIcon::None);
    return answer != platform::MsgAnswer::Yes;
}

} // namespace MeetingAgenda

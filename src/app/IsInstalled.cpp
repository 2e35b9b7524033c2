#include "IsInstalled.h"

#include "platform/automation/AutomationRegistry.h"
#include "platform/messages/MessageService.h"
#include "platform/shell/Shell.h"
#include "platform/word/automation/Application.h"

#include <QStringList>

#include <QCoreApplication>
#include <memory>

namespace IsInstalled {

namespace {

std::shared_ptr<platform::AutomationObject> tryCreate(platform::AutomationRegistry& automation) {
    try {
        return automation.createObject(QStringLiteral("Word.Application"));
    } catch (...) {
        return nullptr;
    }
}

} // namespace

QString WordMissingMessage() {
    return QStringList{
        QCoreApplication::translate(
            "IsInstalled", "Error 842001. A normal instance of Word could not be created."),
        QCoreApplication::translate("IsInstalled",
                                    "1. Please make sure Word is installed on this computer."),
        QCoreApplication::translate(
            "IsInstalled", "2. Please open Word normally and make sure a blank document opens "
                           "immediately without any interrupting window (such as an Word file "
                           "recovery window)."),
        QCoreApplication::translate(
            "IsInstalled", "3. Please make sure that when you double-click on a DOC or DOCX file "
                           "that Word opens normally without any interrupting messages."),
        QCoreApplication::translate(
            "IsInstalled", "4. All versions of Word are supported by this software except for the "
                           "rare Word Starter and Student editions.")}
        .join(QStringLiteral("\r\n\r\n"));
}

void CheckWordAvailable(platform::AutomationRegistry& automation,
                        platform::MessageService& messages, platform::Shell& shell) {
    if (auto object = tryCreate(automation)) {
        try {
            if (auto word = std::dynamic_pointer_cast<word::Application>(object))
                word->Quit();
        } catch (...) {
        }
        return;
    }
    messages.show(WordMissingMessage(), platform::MsgButtons::Ok, platform::MsgIcon::None);
    shell.endProgram();
}

} // namespace IsInstalled

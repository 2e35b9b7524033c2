#pragma once

#include <QString>

namespace platform {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Exclamation };
// Values as the message-box function returns them.
enum class MsgAnswer { Ok = 1, Yes = 6, No = 7 };

// Every message box of the program goes through this service.
class MessageService {
public:
    virtual ~MessageService() = default;
    // An empty caption means the application title.
    virtual MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon icon,
                           const QString& caption = QString()) = 0;
    // A box with an OK button that does not wait and does not take the
    // keyboard from the active window: what the user goes on typing still
    // reaches it.
    virtual void notify(const QString& text, MsgIcon icon) { show(text, MsgButtons::Ok, icon); }
};

// The process-wide application title: the caption of every box that names none.
void setApplicationTitle(const QString& title);
QString applicationTitle();

} // namespace platform

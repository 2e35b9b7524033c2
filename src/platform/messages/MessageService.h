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
};

// The process-wide application title: the caption of every box that names none.
void setApplicationTitle(const QString& title);
QString applicationTitle();

} // namespace platform

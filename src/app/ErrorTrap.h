#pragma once

#include "../platform/messages/MessageService.h"
#include "StepRunner.h"

#include <QString>

namespace app {

// The error trap of a handler or procedure. Each statement runs as a
// numbered step; a failing step shows the "Application Error" box with its
// number and the procedure goes on with the next step.
class ErrorTrap final : public StepRunner {
public:
    ErrorTrap(platform::MessageService& messages, const QString& module, const QString& procedure,
              platform::MsgIcon icon = platform::MsgIcon::Exclamation);

    bool step(int line, const std::function<void()>& statement) override;
    bool test(int line, const std::function<bool()>& condition, bool onFailure = true) override;

    // Shows the box for a failure of statement `line`.
    void report(int line, const QString& description);

    const QString& location() const { return m_location; }
    int failures() const { return m_failures; }

    // "<description>\r\n<location>at line <n>\r\rPlease email screenshot ..."
    static QString boxText(const QString& description, const QString& location, int line);
    static QString locationOf(const QString& module, const QString& procedure);

private:
    platform::MessageService& m_messages;
    QString m_location;
    platform::MsgIcon m_icon;
    int m_failures = 0;
};

} // namespace app

#pragma once

#include "../platform/errors/RuntimeError.h"
#include "../platform/messages/MessageService.h"

#include <QString>

#include <utility>

namespace app {

// The error trap of a handler or procedure. Each statement runs as a
// numbered step; a failing step shows the "Application Error" box with its
// number and the procedure goes on with the next step.
class ErrorTrap {
public:
    ErrorTrap(platform::MessageService& messages, const QString& module, const QString& procedure,
              platform::MsgIcon icon = platform::MsgIcon::Exclamation);

    // Runs one statement. True when it completed.
    template <class F>
    bool step(int line, F&& statement) {
        try {
            std::forward<F>(statement)();
            return true;
        } catch (...) {
            report(line, platform::describeCurrentException());
            return false;
        }
    }

    // Runs a test. When the test itself fails, the procedure goes on with the
    // branch it guards: the result is `onFailure`.
    template <class F>
    bool test(int line, F&& condition, bool onFailure = true) {
        try {
            return static_cast<bool>(std::forward<F>(condition)());
        } catch (...) {
            report(line, platform::describeCurrentException());
            return onFailure;
        }
    }

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

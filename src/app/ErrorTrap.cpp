#include "ErrorTrap.h"

#include "Constants.h"

#include "../platform/errors/RuntimeError.h"
#include <QCoreApplication>

namespace app {

ErrorTrap::ErrorTrap(platform::MessageService& messages, const QString& module,
                     const QString& procedure, platform::MsgIcon icon)
    : m_messages(messages), m_location(locationOf(module, procedure)), m_icon(icon) {}

QString ErrorTrap::locationOf(const QString& module, const QString& procedure) {
    // "in <build tag><module>.<procedure> "; only "in" is the user's language.
    return QCoreApplication::translate("ErrorTrap", "in %1")
        .arg(kBuildTag + module + QLatin1Char('.') + procedure + QLatin1Char(' '));
}

QString ErrorTrap::boxText(const QString& description, const QString& location, int line) {
    return description + QStringLiteral("\r\n") + location +
           QCoreApplication::translate("ErrorTrap", "at line ") + QString::number(line) +
           QStringLiteral("\r\r") +
           QCoreApplication::translate("ErrorTrap", "Please email screenshot of this message to ") +
           kSupportAddress;
}

bool ErrorTrap::step(int line, const std::function<void()>& statement) {
    try {
        statement();
        return true;
    } catch (...) {
        report(line, platform::describeCurrentException());
        return false;
    }
}

bool ErrorTrap::test(int line, const std::function<bool()>& condition, bool onFailure) {
    try {
        return condition();
    } catch (...) {
        report(line, platform::describeCurrentException());
        return onFailure;
    }
}

void ErrorTrap::report(int line, const QString& description) {
    ++m_failures;
    m_messages.show(boxText(description, m_location, line), platform::MsgButtons::Ok, m_icon,
                    QCoreApplication::translate("ErrorTrap", "Application Error"));
}

} // namespace app

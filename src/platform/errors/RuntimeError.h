#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <exception>

namespace platform {

// What using an object variable that was never set reports.
inline const char* const kObjectNotSet =
    QT_TRANSLATE_NOOP("RuntimeError", "Object variable or With block variable not set");

// A failure of one statement. The description is what the error box shows.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(QString description)
        : m_description(std::move(description)), m_what(m_description.toUtf8()) {}

    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_description;
    QByteArray m_what;
};

// The description an error box shows for whatever a step threw.
QString describeCurrentException();

} // namespace platform

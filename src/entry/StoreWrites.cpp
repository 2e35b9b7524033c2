#include "StoreWrites.h"

#include "../platform/messages/MessageService.h"
#include "../platform/settings/SettingsStore.h"

#include <QCoreApplication>
#include <exception>

namespace entry {

StoreWrites::StoreWrites(platform::SettingsStore& settings, platform::MessageService& messages)
    : m_settings(settings), m_messages(messages) {}

void StoreWrites::store(const QString& key, const QString& text) {
    try {
        m_settings.write(key, text);
        m_failing = false;
        m_failureTold = false;
    } catch (const std::exception&) {
        m_failing = true;
        if (m_windowShown)
            tellFailure();
    }
}

bool StoreWrites::storeAtClose(const QString& key, const QString& text) {
    try {
        m_settings.write(key, text);
        return true;
    } catch (const std::exception&) {
        if (m_failing && m_failureTold)
            return false;
        throw;
    }
}

void StoreWrites::windowShown() {
    if (m_windowShown)
        return;
    m_windowShown = true;
    announceKeptFile();
    if (m_failing)
        tellFailure();
}

void StoreWrites::tellFailure() {
    if (m_failureTold)
        return;
    m_failureTold = true;
    // A box that does not take the keyboard: the next keys go where they were typed.
    m_messages.notify(QCoreApplication::translate(
                          "StoreWrites", "Your changes cannot be saved to %1.\n\n"
                                         "Quillary keeps what you type and saves it as soon as "
                                         "the file can be written again.")
                          .arg(m_settings.fileName()),
                      platform::MsgIcon::Exclamation);
}

void StoreWrites::announceKeptFile() {
    if (m_keptFileAnnounced)
        return;
    m_keptFileAnnounced = true;
    if (!m_settings.setAsideFile().isEmpty())
        m_messages.show(QCoreApplication::translate(
                            "StoreWrites",
                            "The settings file %1 could not be read. It was kept as %2, "
                            "and Quillary starts with new settings.")
                            .arg(m_settings.fileName(), m_settings.setAsideFile()),
                        platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
    else if (!m_settings.keptCopy().isEmpty())
        m_messages.show(
            QCoreApplication::translate("StoreWrites",
                                        "Some lines of the settings file %1 could not be read, and "
                                        "Quillary would lose them when it saves. The file as it "
                                        "was is kept as %2; Quillary goes on with what it could "
                                        "read.")
                .arg(m_settings.fileName(), m_settings.keptCopy()),
            platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

} // namespace entry

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
    } catch (const std::exception&) {
        if (m_failing)
            return;
        m_failing = true;
        // A box that does not take the keyboard: the next keys go where they were typed.
        m_messages.notify(QCoreApplication::translate(
                              "StoreWrites", "Your changes cannot be saved to %1.\n\n"
                                             "Quillary keeps what you type and saves it as soon as "
                                             "the file can be written again.")
                              .arg(m_settings.fileName()),
                          platform::MsgIcon::Exclamation);
    }
}

void StoreWrites::announceSetAside() {
    if (m_setAsideAnnounced || m_settings.setAsideFile().isEmpty())
        return;
    m_setAsideAnnounced = true;
    m_messages.show(QCoreApplication::translate(
                        "StoreWrites", "The settings file %1 could not be read. It was kept as %2, "
                                       "and Quillary starts with new settings.")
                        .arg(m_settings.fileName(), m_settings.setAsideFile()),
                    platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

} // namespace entry

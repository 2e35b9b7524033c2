#pragma once

#include <QString>

namespace platform {
class MessageService;
class SettingsStore;
} // namespace platform

namespace entry {

// The entry window's writes of the meeting texts, and what the user is told
// about the store: once that an unreadable file was set aside at start, and
// once when writing fails, again only after a write has succeeded since.
// What was typed stays in the window and is written with the next change
// that the store accepts.
class StoreWrites {
public:
    StoreWrites(platform::SettingsStore& settings, platform::MessageService& messages);

    // Writes one meeting text; a failure is told only when it is news.
    void store(const QString& key, const QString& text);
    // Tells where an unreadable settings file was kept, if there was one.
    void announceSetAside();

    bool failing() const { return m_failing; }

private:
    platform::SettingsStore& m_settings;
    platform::MessageService& m_messages;
    bool m_failing = false;
    bool m_setAsideAnnounced = false;
};

} // namespace entry

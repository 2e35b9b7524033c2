#pragma once

#include <QString>

namespace platform {
class MessageService;
class SettingsStore;
} // namespace platform

namespace entry {

// The entry window's writes of the meeting, and what the user is told
// about the store: once that the file found at start was kept aside, and
// once when writing fails, again only after a write has succeeded since.
// Nothing is told before the window is on screen: what the start met is
// told then. What was typed stays in the window and is written with the
// next change that the store accepts.
class StoreWrites {
public:
    StoreWrites(platform::SettingsStore& settings, platform::MessageService& messages);

    // Writes one meeting text; a failure is told only when it is news.
    void store(const QString& key, const QString& text);
    // The write at the end of the run: true when written. A failure the
    // user was told of already is not told again; a new one fails, so
    // that the caller's error trap tells it.
    bool storeAtClose(const QString& key, const QString& text);
    // The window is on screen: tells what the start met, once.
    void windowShown();

    bool failing() const { return m_failing; }

private:
    void tellFailure();
    void announceKeptFile();

    platform::SettingsStore& m_settings;
    platform::MessageService& m_messages;
    bool m_failing = false;
    bool m_failureTold = false;
    bool m_windowShown = false;
    bool m_keptFileAnnounced = false;
};

} // namespace entry

#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace platform {

// The per-user settings store: (application, section, key) -> text.
// Values come back exactly as written.
class SettingsStore {
public:
    static constexpr const char* kApplication = "Marrowind";
    static constexpr const char* kSection = "Quillary";

    // The user's store: an INI file in the user's configuration folder.
    SettingsStore();
    // A store kept in the given INI file (tests, tools).
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored text, or fallback when the key does not exist.
    QString read(const QString& key, const QString& fallback = QString()) const;
    bool contains(const QString& key) const;
    // Creates or replaces the value and writes it through to disk;
    // fails when the store cannot be written.
    void write(const QString& key, const QString& value);

    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace platform

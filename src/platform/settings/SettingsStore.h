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

    // Where the user's store lives.
    static QString userFileName();

    // The stored text, or fallback when the key does not exist. A value
    // that the file holds as a list (a hand-edited value with unquoted
    // commas) comes back as the text it was, its parts joined by ", ".
    QString read(const QString& key, const QString& fallback = QString()) const;
    bool contains(const QString& key) const;
    // Creates or replaces the value and writes it through to disk; fails
    // when the store cannot be written. A value that could not be written
    // is still read back, and goes to disk with the next write that succeeds.
    void write(const QString& key, const QString& value);

    QString fileName() const;
    // When the file found at start could not be read as settings, it was
    // kept under this name and the store started empty; otherwise empty.
    const QString& setAsideFile() const { return m_setAsideFile; }
    // When the file found at start had lines that the next write would
    // drop, a copy of it as it was kept under this name; the store goes on
    // with what could be read. Otherwise empty.
    const QString& keptCopy() const { return m_keptCopy; }

private:
    void checkFile(const QString& iniFile);

    QString m_setAsideFile;
    QString m_keptCopy;
    std::unique_ptr<QSettings> m_settings;
};

// True when `file` exists but cannot serve as a settings file: it cannot be
// read, or holds bytes that no text file has.
bool isUnreadableSettingsFile(const QString& file);
// Renames an unreadable settings file to "<file>.bad" (or "<file>.bad2",
// "<file>.bad3", ... when taken) and returns the new name; empty when the
// file was fine, missing, or could not be renamed.
QString setAsideUnreadableSettingsFile(const QString& file);
// Copies a settings file with INI syntax errors to the first free name of
// "<file>.bad", "<file>.bad2", ... and returns it; empty when the file has
// none, is missing, or no copy could be made.
QString keepCopyOfFaultySettingsFile(const QString& file);

} // namespace platform

#pragma once

#include <QString>
#include <QStringList>

namespace entry {

// The meeting files and invitations opened or saved last, newest first, at
// most eight. Kept in a settings file of their own beside the meeting's
// store ("Quillary-recent.ini"), so the meeting's keys stay as they are.
class RecentFiles {
public:
    static constexpr int kMax = 8;

    // The list kept beside the settings file `storeFile`.
    explicit RecentFiles(const QString& storeFile);

    QStringList files() const;
    // `path` first (absolute), dropped further down and beyond the eighth.
    void add(const QString& path);
    void remove(const QString& path);

    QString fileName() const { return m_file; }

private:
    void write(const QStringList& files) const;

    QString m_file;
};

} // namespace entry

#include "RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace entry {

namespace {

const QString kGroup = QStringLiteral("Recent");
const QString kKey = QStringLiteral("Files");

} // namespace

RecentFiles::RecentFiles(const QString& storeFile)
    : m_file(QFileInfo(storeFile).absolutePath() + QStringLiteral("/Quillary-recent.ini")) {}

QStringList RecentFiles::files() const {
    const QSettings settings(m_file, QSettings::IniFormat);
    QStringList files = settings.value(kGroup + QLatin1Char('/') + kKey).toStringList();
    files.removeAll(QString());
    files.removeDuplicates();
    return files.mid(0, kMax);
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    write(list.mid(0, kMax));
}

void RecentFiles::remove(const QString& path) {
    QStringList list = files();
    if (list.removeAll(QFileInfo(path).absoluteFilePath()) > 0)
        write(list);
}

void RecentFiles::write(const QStringList& files) const {
    QSettings settings(m_file, QSettings::IniFormat);
    settings.setValue(kGroup + QLatin1Char('/') + kKey, files);
    settings.sync();
}

} // namespace entry

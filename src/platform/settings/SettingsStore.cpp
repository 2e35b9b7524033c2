#include "SettingsStore.h"

#include "IniSyntax.h"

#include "../errors/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <QCoreApplication>
#include <functional>
#include <sys/stat.h>

namespace platform {

namespace {

QString keyPath(const QString& key) {
    return QString::fromLatin1(SettingsStore::kSection) + QLatin1Char('/') + key;
}

// Control characters other than tab and line ends: the INI writer escapes
// them, and text editors do not write them.
bool holdsBinaryBytes(const QByteArray& bytes) {
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r')
            return true;
    }
    return false;
}

// Puts `file` (or a copy of it) under the first free name of "<file>.bad",
// "<file>.bad2", ... and returns that name; empty when none could be made.
// Never replaces a file: a taken name fails and the next one is tried.
QString keepAside(const QString& file,
                  const std::function<bool(const QString&, const QString&)>& put) {
    for (int n = 1; n < 1000; ++n) {
        const QString name =
            file + QStringLiteral(".bad") + (n > 1 ? QString::number(n) : QString());
        if (put(file, name))
            return name;
        if (!QFileInfo::exists(name))
            break; // impossible here, not only taken
    }
    return QString();
}

// What tells a file that was replaced from the one that was not: a
// successful write puts a new file in place of the old.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    timespec changed{};
    bool operator==(const FileStamp& o) const {
        return device == o.device && inode == o.inode && changed.tv_sec == o.changed.tv_sec &&
               changed.tv_nsec == o.changed.tv_nsec;
    }
};

FileStamp stampOf(const QString& file) {
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0)
        return {};
    return {info.st_dev, info.st_ino, info.st_ctim};
}

} // namespace

bool isUnreadableSettingsFile(const QString& file) {
    const QFileInfo info(file);
    if (!info.exists() || !info.isFile())
        return false;
    QFile in(file);
    return !in.open(QIODevice::ReadOnly) || holdsBinaryBytes(in.readAll());
}

QString setAsideUnreadableSettingsFile(const QString& file) {
    if (!isUnreadableSettingsFile(file))
        return QString();
    return keepAside(
        file, [](const QString& from, const QString& to) { return QFile::rename(from, to); });
}

QString keepCopyOfFaultySettingsFile(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || !hasIniSyntaxErrors(in.readAll()))
        return QString();
    return keepAside(file,
                     [](const QString& from, const QString& to) { return QFile::copy(from, to); });
}

QString SettingsStore::userFileName() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kApplication))
        .fileName();
}

SettingsStore::SettingsStore() {
    checkFile(userFileName());
    m_settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QString::fromLatin1(kApplication));
}

SettingsStore::SettingsStore(const QString& iniFile) {
    checkFile(iniFile);
    m_settings = std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}

// What is wrong with the file is found from its bytes, before this store
// reads it: Qt keeps parsed files in a cache of its own, so the status of
// a reader made later may not tell about the file at all.
void SettingsStore::checkFile(const QString& iniFile) {
    m_setAsideFile = setAsideUnreadableSettingsFile(iniFile);
    if (m_setAsideFile.isEmpty())
        m_keptCopy = keepCopyOfFaultySettingsFile(iniFile);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(const QString& key, const QString& fallback) const {
    const QVariant value = m_settings->value(keyPath(key));
    if (!value.isValid())
        return fallback;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool SettingsStore::contains(const QString& key) const {
    return m_settings->contains(keyPath(key));
}

void SettingsStore::write(const QString& key, const QString& value) {
    // A writer of its own for each write: its status tells about this write
    // alone (a store's status keeps its first error for good). Writers of
    // one file share its values, so what failed before is written now too.
    // The writer keeps the first error it met, and reading a file with a
    // byte-order mark or lines Qt skips already counts as one; then only
    // the file itself tells whether the write put a new one in place.
    const QString file = m_settings->fileName();
    const FileStamp before = stampOf(file);
    QSettings writer(file, QSettings::IniFormat);
    writer.setValue(keyPath(key), value);
    writer.sync();
    const QSettings::Status status = writer.status();
    const bool written = status == QSettings::NoError ||
                         (status == QSettings::FormatError && !(stampOf(file) == before));
    if (!written)
        throw RuntimeError(
            QCoreApplication::translate("RuntimeError", "The settings could not be written to %1")
                .arg(m_settings->fileName()));
}

QString SettingsStore::fileName() const {
    return m_settings->fileName();
}

} // namespace platform

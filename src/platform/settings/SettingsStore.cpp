#include "SettingsStore.h"

#include "../errors/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

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

} // namespace

bool isUnreadableSettingsFile(const QString& file) {
    const QFileInfo info(file);
    if (!info.exists() || !info.isFile())
        return false;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return true;
    if (holdsBinaryBytes(in.readAll()))
        return true;
    return QSettings(file, QSettings::IniFormat).status() == QSettings::FormatError;
}

QString setAsideUnreadableSettingsFile(const QString& file) {
    if (!isUnreadableSettingsFile(file))
        return QString();
    for (int n = 1; n < 1000; ++n) {
        const QString name =
            file + QStringLiteral(".bad") + (n > 1 ? QString::number(n) : QString());
        // Never replaces a file: a taken name fails and the next one is tried.
        if (QFile::rename(file, name))
            return name;
        if (!QFileInfo::exists(name))
            break; // the rename itself is impossible
    }
    return QString();
}

QString SettingsStore::userFileName() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kApplication))
        .fileName();
}

SettingsStore::SettingsStore() : m_setAsideFile(setAsideUnreadableSettingsFile(userFileName())) {
    m_settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QString::fromLatin1(kApplication));
}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_setAsideFile(setAsideUnreadableSettingsFile(iniFile)),
      m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

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
    QSettings writer(m_settings->fileName(), QSettings::IniFormat);
    writer.setValue(keyPath(key), value);
    writer.sync();
    if (writer.status() != QSettings::NoError)
        throw RuntimeError(
            QStringLiteral("The settings could not be written to %1").arg(m_settings->fileName()));
}

QString SettingsStore::fileName() const {
    return m_settings->fileName();
}

} // namespace platform

#include "SettingsStore.h"

#include "../errors/RuntimeError.h"

#include <QSettings>

namespace platform {

namespace {
QString keyPath(const QString& key) {
    return QString::fromLatin1(SettingsStore::kSection) + QLatin1Char('/') + key;
}
} // namespace

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QString::fromLatin1(kApplication))) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(const QString& key, const QString& fallback) const {
    const QVariant value = m_settings->value(keyPath(key));
    return value.isValid() ? value.toString() : fallback;
}

bool SettingsStore::contains(const QString& key) const { return m_settings->contains(keyPath(key)); }

void SettingsStore::write(const QString& key, const QString& value) {
    m_settings->setValue(keyPath(key), value);
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw RuntimeError(QStringLiteral("The settings could not be written to %1")
                               .arg(m_settings->fileName()));
}

QString SettingsStore::fileName() const { return m_settings->fileName(); }

} // namespace platform

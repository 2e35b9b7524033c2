#include "RecoveryFile.h"

#include "AgendaList.h"
#include "AgendaListCodec.h"

#include "../platform/errors/RuntimeError.h"
#include "../platform/files/PrivateFolder.h"
#include "../platform/session/SingleInstance.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTreeWidget>

namespace entry {

namespace {
constexpr int kDelayMilliseconds = 1000;
}

RecoveryFile::RecoveryFile(QTreeWidget& list, const QString& settingsFile, QObject* parent)
    : QObject(parent), m_list(list), m_path(pathFor(settingsFile)) {
    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelayMilliseconds);
    connect(&m_delay, &QTimer::timeout, this, &RecoveryFile::writeNow);
    const QAbstractItemModel* model = list.model();
    const auto watch = [&](auto signal) {
        connect(model, signal, this, &RecoveryFile::listChanged);
    };
    watch(&QAbstractItemModel::rowsInserted);
    watch(&QAbstractItemModel::rowsRemoved);
    watch(&QAbstractItemModel::rowsMoved);
    watch(&QAbstractItemModel::dataChanged);
    watch(&QAbstractItemModel::modelReset);
    watch(&QAbstractItemModel::layoutChanged);
}

QString RecoveryFile::folder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(state) + QStringLiteral("/quillary");
}

QString RecoveryFile::pathFor(const QString& settingsFile) {
    return folder() + QStringLiteral("/agenda-") + platform::settingsFileKey(settingsFile) +
           QStringLiteral(".recovery");
}

// Changes come in bursts (a row is added field by field, the sample adds
// several): one write a second at most, never later than a second after
// the first change it covers.
void RecoveryFile::listChanged() {
    if (!m_delay.isActive())
        m_delay.start();
}

std::optional<QString> RecoveryFile::differingFrom(const QString& stored) const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString saved = QString::fromUtf8(file.readAll());
    if (file.error() != QFileDevice::NoError || saved == stored)
        return std::nullopt;
    return saved;
}

bool RecoveryFile::writeNow() {
    m_delay.stop();
    try {
        QDir().mkpath(QFileInfo(folder()).path());
        platform::ensurePrivateFolder(folder());
    } catch (const platform::RuntimeError&) {
        return false;
    }
    QSaveFile file(m_path);
    const QByteArray bytes = EncodeAgendaList(AgendaList::rows(m_list)).toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void RecoveryFile::discard() {
    m_delay.stop();
    QFile::remove(m_path);
}

} // namespace entry

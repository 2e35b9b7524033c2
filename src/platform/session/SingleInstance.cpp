#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <csignal>

namespace platform {

namespace {

// The settings file's path with its folder resolved, so that every spelling
// of the same file gives the same names, whether the file exists yet or not.
QString canonicalSettingsPath(const QString& settingsFile) {
    const QFileInfo file(settingsFile);
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? file.absoluteFilePath() : folder + QLatin1Char('/') + file.fileName();
}

QString namesBase(const QString& settingsFile) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return QString();
    return runtime + QStringLiteral("/quillary-") + settingsFileKey(settingsFile);
}

bool processLives(qint64 pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// How long a later start keeps trying to reach a program that holds the lock
// but does not answer yet (it may be starting up).
constexpr int kReachMilliseconds = 5000;

} // namespace

QString settingsFileKey(const QString& settingsFile) {
    const QByteArray hash = QCryptographicHash::hash(canonicalSettingsPath(settingsFile).toUtf8(),
                                                     QCryptographicHash::Sha256);
    return QString::fromLatin1(hash.toHex().left(16));
}

// Read only: the lock files of others are looked at, never taken, so that
// no starting program can find one of them held by this check.
bool SingleInstance::othersRunning() const {
    if (m_base.isEmpty())
        return false;
    const QFileInfo own(lockFileName());
    const QFileInfoList locks =
        own.dir().entryInfoList({QStringLiteral("quillary-*.lock")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& lock : locks) {
        if (lock.fileName() == own.fileName())
            continue;
        qint64 pid = 0;
        QString host;
        QString application;
        if (QLockFile(lock.filePath()).getLockInfo(&pid, &host, &application) &&
            (host.isEmpty() || host == QSysInfo::machineHostName()) && processLives(pid))
            return true;
    }
    return false;
}

SingleInstance::SingleInstance(const QString& settingsFile, QObject* parent)
    : QObject(parent), m_base(namesBase(settingsFile)) {}

SingleInstance::~SingleInstance() {
    if (m_server)
        m_server->close();
}

QByteArray SingleInstance::openRequest(const QString& path) {
    return "open " + path.toUtf8().toPercentEncoding("/") + '\n';
}

bool SingleInstance::claim(const QString& fileToOpen) {
    if (m_base.isEmpty())
        return true;
    m_lock = std::make_unique<QLockFile>(lockFileName());
    // Only a lock whose process is gone is stale, however long it was held.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        listen();
        return true;
    }
    if (m_lock->error() != QLockFile::LockFailedError)
        return true; // no lock can be kept here: run unguarded
    if (!askRunning(fileToOpen.isEmpty() ? QByteArray(kActivate) : openRequest(fileToOpen)))
        qWarning("Quillary already runs for this settings file and did not answer.");
    return false;
}

void SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours, so a socket file left under the name is a dead one.
    QLocalServer::removeServer(socketName());
    if (!m_server->listen(socketName())) {
        // A later start could not reach this one: let it run rather than
        // end unseen.
        m_lock->unlock();
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

void SingleInstance::acceptConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine() && socket->bytesAvailable() <= kMaxRequest)
                return;
            const QByteArray line = socket->readLine(kMaxRequest + 1);
            socket->disconnectFromServer();
            readRequest(line);
        });
    }
}

void SingleInstance::readRequest(const QByteArray& line) {
    static const QByteArray open = "open ";
    if (line == kActivate) {
        emit activationRequested();
    } else if (line.startsWith(open) && line.endsWith('\n')) {
        const QString path =
            QString::fromUtf8(QByteArray::fromPercentEncoding(line.sliced(5).chopped(1)));
        if (!path.isEmpty())
            emit openRequested(path);
    }
}

bool SingleInstance::askRunning(const QByteArray& request) const {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kReachMilliseconds) {
        QLocalSocket socket;
        socket.connectToServer(socketName());
        if (socket.waitForConnected(1000)) {
            socket.write(request);
            const bool sent = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(100);
    }
    return false;
}

} // namespace platform

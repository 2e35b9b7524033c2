#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace platform {

// A short name for the settings file at `settingsFile`, the same for every
// spelling of its path: 16 hex digits of a hash of the resolved path.
QString settingsFileKey(const QString& settingsFile);

// One running program per settings file. The first start holds a lock file
// and listens on a local socket, both named after the settings file's path
// in the user's runtime folder; a later start for the same file finds the
// lock taken, asks the running program to come to the front (or to open the
// file it was started with) and ends. A lock left by a program that crashed
// is taken over.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& settingsFile, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process may run: it now holds the lock (or no lock can
    // be kept on this system at all). False when another process runs on the
    // same settings file; it has been asked to come to the front, or to open
    // `fileToOpen` when one is named (an absolute path).
    bool claim(const QString& fileToOpen = QString());

    QString lockFileName() const { return m_base + QStringLiteral(".lock"); }
    QString socketName() const { return m_base + QStringLiteral(".socket"); }
    // True when a program of this user runs on another settings file: its
    // lock is held by a live process.
    bool othersRunning() const;

    // What a later start sends: a line each.
    static constexpr const char* kActivate = "activate\n";
    static QByteArray openRequest(const QString& path); // "open <path, percent-encoded>\n"
    // Longer lines are not requests.
    static constexpr qint64 kMaxRequest = 64 * 1024;

signals:
    // A later start asked this program to come to the front.
    void activationRequested();
    // A later start was given a file: this program is to open it.
    void openRequested(const QString& path);

private:
    void listen();
    void acceptConnection();
    void readRequest(const QByteArray& line);
    bool askRunning(const QByteArray& request) const;

    QString m_base;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

} // namespace platform

#include "ShellUtilities.h"

#include "../platform/errors/RuntimeError.h"
#include "../platform/files/PrivateFolder.h"
#include "../platform/shell/Shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>

#include <QCoreApplication>
#include <unistd.h>

namespace Main {

namespace {

bool hasWildcards(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// "*" and "?" only; every other character stands for itself.
QRegularExpression wildcardPattern(const QString& name) {
    QString rx;
    for (const QChar c : name) {
        if (c == QLatin1Char('*'))
            rx += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            rx += QLatin1Char('.');
        else
            rx += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(rx),
                              QRegularExpression::DotMatchesEverythingOption);
}

bool isFileEntry(const QFileInfo& info) {
    return info.isSymLink() || info.isFile();
}

} // namespace

QString FileNameFor(const QString& title, const QString& fallback) {
    static const QRegularExpression unfit(QStringLiteral("[/\\\\\\x00-\\x1f\\x7f]+"));
    QString name = QString(title).replace(unfit, QStringLiteral(" ")).simplified();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    name = name.left(200).trimmed();
    return name.isEmpty() ? fallback : name;
}

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

QStringList MatchingFiles(const QString& pattern) {
    if (pattern.isEmpty())
        return {};
    const QFileInfo whole(pattern);
    const QString name = whole.fileName();
    if (!hasWildcards(name))
        return isFileEntry(whole) ? QStringList{pattern} : QStringList{};
    const QDir dir = whole.dir();
    const QRegularExpression rx = wildcardPattern(name);
    QStringList files;
    const auto entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (rx.match(entry.fileName()).hasMatch())
            files << entry.filePath();
    }
    return files;
}

void ForceDeleteFiles(const QString& pattern) {
    const QStringList files = MatchingFiles(pattern);
    if (files.isEmpty())
        throw platform::RuntimeError(QCoreApplication::translate("RuntimeError", "File not found"));
    bool allGone = true;
    for (const QString& path : files) {
        QFile file(path);
        const bool link = QFileInfo(path).isSymLink();
        const QFileDevice::Permissions before = file.permissions();
        if (!link)
            file.setPermissions(before | QFileDevice::WriteOwner);
        if (file.remove())
            continue;
        // A file that stays keeps the protection it had.
        if (!link)
            file.setPermissions(before);
        allGone = false;
    }
    if (!allGone)
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "Permission denied"));
}

void DeleteFiles(platform::Shell& shell, const QString& pattern) {
    shell.doEvents();
    // First the plain way, which leaves read-only files alone; whatever stays
    // goes the forced way. Neither reports.
    const QStringList files = MatchingFiles(pattern);
    bool failed = files.isEmpty();
    for (const QString& path : files) {
        const QFileInfo info(path);
        if (!info.isSymLink() && !info.isWritable()) {
            failed = true;
            continue;
        }
        failed = !QFile::remove(path) || failed;
    }
    if (!failed)
        return;
    try {
        ForceDeleteFiles(pattern);
    } catch (...) {
    }
}

QString TempFolder() {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& key : env.keys()) {
        if (key.compare(QLatin1String("TEMP"), Qt::CaseInsensitive) == 0 &&
            platform::isWritableFolder(env.value(key)))
            return QDir::cleanPath(env.value(key));
    }
    return PrivateTempFolder();
}

QString PrivateTempFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QStringList candidates;
    if (QDir::isAbsolutePath(runtime))
        candidates << QDir::cleanPath(runtime) + QStringLiteral("/quillary");
    candidates << QDir::tempPath() + QStringLiteral("/quillary-") + QString::number(::geteuid());
    // Someone else may hold that name in a shared folder; the home folder is the user's own.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty() && QDir().mkpath(cache))
        candidates << cache + QStringLiteral("/quillary");
    QString failure;
    for (const QString& folder : std::as_const(candidates)) {
        try {
            platform::ensurePrivateFolder(folder);
            return folder;
        } catch (const platform::RuntimeError& e) {
            failure = e.description();
        }
    }
    throw platform::RuntimeError(failure);
}

} // namespace Main

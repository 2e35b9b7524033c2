#include "Leftovers.h"

#include "ShellUtilities.h"

#include "../platform/errors/RuntimeError.h"
#include "../platform/session/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <sys/stat.h>
#include <unistd.h>

namespace app {

namespace {

bool ownedBy(const QString& path, mode_t type) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 &&
           (info.st_mode & S_IFMT) == type && info.st_uid == ::geteuid();
}

// The scratch picture's name is a common one: only a folder of the
// program's own ("quillary…") holds it as the program's.
bool isLeftoverName(const QString& name, bool programFolder) {
    static const QRegularExpression document(QStringLiteral("^ovelund[1-9]{8}\\.doc$"));
    return (programFolder && name == QLatin1String("temp.bmp")) || document.match(name).hasMatch();
}

void collect(const QString& folder, QStringList& found) {
    const QDir dir(folder);
    const bool programFolder = dir.dirName().startsWith(QLatin1String("quillary"));
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString path = dir.filePath(name);
        if (isLeftoverName(name, programFolder) && ownedBy(path, S_IFREG) && !found.contains(path))
            found << path;
    }
}

QStringList candidateFolders() {
    QStringList folders;
    for (const auto& folder : {&Main::TempFolder, &Main::PrivateTempFolder}) {
        try {
            const QString path = folder();
            if (!folders.contains(path))
                folders << path;
        } catch (const platform::RuntimeError&) {
        }
    }
    return folders;
}

} // namespace

QStringList leftoverFiles(const QStringList& folders) {
    QStringList found;
    for (const QString& folder : folders) {
        if (!QDir(folder).exists())
            continue;
        collect(folder, found);
        const QDir dir(folder);
        for (const QString& sub : dir.entryList({QStringLiteral("quillary*")}, QDir::Dirs))
            if (ownedBy(dir.filePath(sub), S_IFDIR))
                collect(dir.filePath(sub), found);
    }
    return found;
}

void deleteLeftoversOfEndedRuns(const platform::SingleInstance& instance) {
    if (instance.othersRunning())
        return;
    for (const QString& path : leftoverFiles(candidateFolders()))
        QFile::remove(path);
}

} // namespace app

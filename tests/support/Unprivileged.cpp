#include "Unprivileged.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace testing {

namespace {

struct Account {
    uid_t uid;
    gid_t gid;
};

bool makeFolderOf(const QString& path, const Account& who) {
    return QDir().mkpath(path) &&
           ::chown(QFile::encodeName(path).constData(), who.uid, who.gid) == 0 &&
           QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
}

// A copy of this test's program in `folder`, where the child can run it: the
// build folder may lie where only root can enter (root's own home).
QString reachableCopyOfProgram(const QString& folder) {
    const QString program = QCoreApplication::applicationFilePath();
    const QString copy = folder + QLatin1Char('/') + QFileInfo(program).fileName();
    if (!QFile::copy(program, copy) ||
        !QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                         QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                         QFileDevice::ReadOther | QFileDevice::ExeOther))
        return {};
    return copy;
}

} // namespace

bool rerunUnprivileged() {
    if (::geteuid() != 0)
        return false;
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody) {
        QTest::qSkip("Runs as root and there is no user \"nobody\" to run it as", __FILE__,
                     __LINE__);
        return true;
    }
    const Account who{nobody->pw_uid, nobody->pw_gid};
    QTemporaryDir scratch;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const char* folders[][2] = {{"HOME", "home"},
                                {"XDG_RUNTIME_DIR", "run"},
                                {"XDG_CONFIG_HOME", "config"},
                                {"XDG_CACHE_HOME", "cache"},
                                {"TMPDIR", "tmp"}};
    bool ready = makeFolderOf(scratch.path(), who);
    for (const auto& [variable, name] : folders) {
        const QString path = scratch.filePath(QString::fromLatin1(name));
        ready = makeFolderOf(path, who) && ready;
        env.insert(QString::fromLatin1(variable), path);
    }
    const QString program = ready ? reachableCopyOfProgram(scratch.path()) : QString();
    if (program.isEmpty()) {
        QTest::qFail("The scratch folders of the child could not be made", __FILE__, __LINE__);
        return true;
    }
    QString function = QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        function += QLatin1Char(':') + QString::fromLatin1(QTest::currentDataTag());
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setChildProcessModifier([who] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(who.gid) != 0 || ::setuid(who.uid) != 0)
            ::_exit(127);
    });
    child.start(program, {function});
    const bool finished = child.waitForFinished(120000);
    const QByteArray output = child.readAll();
    if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        QTest::qFail(("As \"nobody\": " + output).constData(), __FILE__, __LINE__);
    return true;
}

} // namespace testing

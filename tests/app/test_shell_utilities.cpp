#include "app/ShellUtilities.h"
#include "platform/controls/PictureBox.h"
#include "platform/messages/MessageService.h"
#include "platform/skin/SkinFramework.h"
#include "support/FakeClipboard.h"
#include "support/FakeShell.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

void touch(const QString& path, const QByteArray& content = "x") {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

// Permission bits of owner, group and others (Qt adds the current user's).
constexpr int kOwnerGroupOther = 0x7077;

// Puts back the variables a test changes.
class EnvironmentGuard {
public:
    EnvironmentGuard() {
        for (const char* name : kNames)
            m_saved.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
    }
    ~EnvironmentGuard() {
        qunsetenv("tEmP");
        for (const auto& v : m_saved) {
            if (v.set)
                qputenv(v.name, v.value);
            else
                qunsetenv(v.name);
        }
    }

private:
    static constexpr const char* kNames[] = {"TEMP", "XDG_RUNTIME_DIR", "TMPDIR", "XDG_CACHE_HOME"};
    struct Saved {
        const char* name;
        QByteArray value;
        bool set;
    };
    QList<Saved> m_saved;
};

struct SampleForm {
    QWidget form;
    QGroupBox* frame = new QGroupBox("Frame", &form);
    QLabel* label = new QLabel("Label", frame);
    QLineEdit* box = new QLineEdit(frame);
    platform::PictureBox* panel = new platform::PictureBox(&form);
};

} // namespace

class TestShellUtilities : public QObject {
    Q_OBJECT
private slots:
    void skinIsSkippedWithoutTheSkinFile() {
        QTemporaryDir dir;
        SampleForm f;
        platform::SkinFramework skin;
        Main::ApplySkin(f.form, skin, dir.path());
        QVERIFY(!skin.isLoaded());
        QVERIFY(!f.form.autoFillBackground());
        QVERIFY(f.label->backgroundRole() != QPalette::Button);
        QCOMPARE(f.panel->backgroundRole(), QPalette::Base);
    }

    void skinColoursFramesLabelsAndPanelsButNotTextBoxes() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("x");
        touch(dir.filePath("x/o.cjs"), "QPushButton { font-weight: bold; }");
        SampleForm f;
        platform::SkinFramework skin;
        Main::ApplySkin(f.form, skin, dir.path());
        QVERIFY(skin.isLoaded());
        QCOMPARE(skin.applyOptions() & 1, 1);
        QVERIFY(skin.skinDialogs() && skin.skinScrollBars());
        QCOMPARE(f.form.styleSheet(), skin.styleSheet());
        for (QWidget* w : {static_cast<QWidget*>(&f.form), static_cast<QWidget*>(f.frame),
                           static_cast<QWidget*>(f.label), static_cast<QWidget*>(f.panel)})
            QCOMPARE(w->backgroundRole(), QPalette::Button);
        QVERIFY(f.box->backgroundRole() != QPalette::Button);
    }

    void skinFolderOrHiddenFileDoesNotCount() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("x/o.cjs");
        SampleForm f;
        platform::SkinFramework skin;
        Main::ApplySkin(f.form, skin, dir.path());
        QVERIFY(!skin.isLoaded());
    }

    void faceColoursLeavePictureBoxes() {
        SampleForm f;
        Main::SetFaceColors(f.form);
        QCOMPARE(f.form.backgroundRole(), QPalette::Button);
        QCOMPARE(f.frame->backgroundRole(), QPalette::Button);
        QCOMPARE(f.panel->backgroundRole(), QPalette::Base);
    }

    void fileExists() {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.doc");
        QVERIFY(!Main::FileExists(""));
        QVERIFY(!Main::FileExists(path));
        touch(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        QVERIFY(Main::FileExists(path));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(QFile::remove(path));
        QVERIFY(!Main::FileExists(path));
        QVERIFY(!Main::FileExists(QString::fromLatin1("\0bad", 4)));
    }

    void deleteFilesMatchesWildcardsInTheLastComponentOnly() {
        QTemporaryDir dir;
        for (const char* name : {"a1.bmp", "a2.bmp", "a10.bmp", "b1.bmp", "a[1].bmp"})
            touch(dir.filePath(name));
        testing::FakeShell shell;
        shell.processRealEvents = false;
        Main::DeleteFiles(shell, dir.filePath("a?.bmp"));
        QCOMPARE(shell.doEventsCalls, 1);
        QDir d(dir.path());
        QCOMPARE(d.entryList(QDir::Files, QDir::Name),
                 QStringList({"a10.bmp", "a[1].bmp", "b1.bmp"}));
        Main::DeleteFiles(shell, dir.filePath("*"));
        QVERIFY(d.entryList(QDir::Files).isEmpty());
    }

    void deleteFilesIsSilentAndForcesReadOnlyFiles() {
        QTemporaryDir dir;
        testing::FakeShell shell;
        Main::DeleteFiles(shell, dir.filePath("missing.doc"));
        Main::DeleteFiles(shell, dir.filePath("nofolder/x.doc"));
        Main::DeleteFiles(shell, "");
        const QString ro = dir.filePath("ro.doc");
        touch(ro);
        QFile::setPermissions(ro, QFileDevice::ReadOwner);
        Main::DeleteFiles(shell, ro);
        QVERIFY(!QFile::exists(ro));
    }

    void deleteFilesRemovesALinkNotItsTarget() {
        QTemporaryDir dir;
        const QString target = dir.filePath("target.txt");
        touch(target);
        const QString link = dir.filePath("temp.bmp");
        QVERIFY(QFile::link(target, link));
        testing::FakeShell shell;
        Main::DeleteFiles(shell, link);
        QVERIFY(!QFileInfo(link).isSymLink());
        QVERIFY(QFile::exists(target));
    }

    void clipboardFetchRetriesOnlyFailedFetchesUpTo1000Times() {
        testing::FakeClipboard clipboard;
        clipboard.failFetches = true;
        QVERIFY(Main::GetClipboardPicture(clipboard, 0).isNull());
        QCOMPARE(clipboard.fetches, 1000);

        // An empty clipboard answers at once: there is nothing to wait for.
        clipboard.failFetches = false;
        clipboard.fetches = 0;
        QVERIFY(Main::GetClipboardPicture(clipboard, 0).isNull());
        QCOMPARE(clipboard.fetches, 1);

        clipboard.fetches = 0;
        QImage image(4, 3, QImage::Format_RGB32);
        platform::setPictureDpi(image, 96);
        clipboard.current = image;
        QCOMPARE(Main::GetClipboardPicture(clipboard, 0).twipsSize(), QSize(60, 45));
        QCOMPARE(clipboard.fetches, 1);
    }

    void applicationTitle() {
        QCOMPARE(Main::ApplicationTitleFor("Quillary"), QString("Quillary"));
        QCOMPARE(Main::ApplicationTitleFor("Agenda Maker"), QString("Agenda"));
        // Six words, 40 characters: the last word goes.
        const QString six = "Alpha Bravo Charlie Delta Echoes Foxtrot";
        QCOMPARE(six.size(), 40);
        QCOMPARE(Main::ApplicationTitleFor(six), QString("Alpha Bravo Charlie Delta Echoes"));
        QCOMPARE(Main::ApplicationTitleFor(QString(45, 'a') + " b c"), QString(45, 'a'));
        Main::SetApplicationTitle();
        QCOMPARE(platform::applicationTitle(), QString("Quillary"));
    }

    void homePageOpensOnAboutOneStartInAHundred() {
        QRandomGenerator random(2026);
        testing::FakeShell shell;
        const int starts = 20000;
        for (int i = 0; i < starts; ++i) {
            const qsizetype before = shell.openedUrls.size();
            Main::VisitHomePageAtRandom(shell, random);
            QVERIFY(shell.openedUrls.size() - before <= 1);
        }
        QVERIFY2(shell.openedUrls.size() > 140 && shell.openedUrls.size() < 260,
                 qPrintable(QString::number(shell.openedUrls.size())));
        QVERIFY(shell.openedUrls.first().startsWith("https://"));
    }

    void tempFolderFollowsTempInAnyCaseWhenItCanBeWritten() {
        QTemporaryDir temp;
        const EnvironmentGuard guard;
        qunsetenv("TEMP");
        qputenv("tEmP", QFile::encodeName(temp.path() + "/"));
        QCOMPARE(Main::TempFolder(), temp.path());
    }

    void unusableTempGivesAPrivateFolder_data() {
        QTest::addColumn<QByteArray>("temp");
        QTest::newRow("unset") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("missing") << QByteArray("/no/such/folder");
        QTest::newRow("a file") << QByteArray("FILE");
    }
    void unusableTempGivesAPrivateFolder() {
        QFETCH(QByteArray, temp);
        QTemporaryDir scratch;
        const EnvironmentGuard guard;
        const QString runtime = scratch.filePath("run");
        QVERIFY(QDir().mkpath(runtime));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        qunsetenv("TEMP");
        if (temp == "FILE") {
            touch(scratch.filePath("file"));
            temp = QFile::encodeName(scratch.filePath("file"));
        }
        if (!temp.isNull())
            qputenv("TEMP", temp);
        const QString folder = Main::TempFolder();
        QCOMPARE(folder, runtime + "/quillary");
        QCOMPARE(int(QFileInfo(folder).permissions() & kOwnerGroupOther), 0x7000); // 0700
        QCOMPARE(Main::TempFolder(), folder); // found again, not made anew
    }

    void privateFolderIsNeverTakenFromSomeoneElse() {
        QTemporaryDir scratch;
        const EnvironmentGuard guard;
        qunsetenv("TEMP");
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(scratch.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(scratch.filePath("cache")));
        const QString shared = scratch.filePath("quillary-" + QString::number(::geteuid()));

        // A folder of the user's own that others could enter is closed to them.
        QVERIFY(QDir().mkpath(shared));
        QVERIFY(QFile::setPermissions(shared, QFileDevice::Permissions(0x7777)));
        QCOMPARE(Main::TempFolder(), shared);
        QCOMPARE(int(QFileInfo(shared).permissions() & kOwnerGroupOther), 0x7000);

        // A link put in its place, or a folder of another user, is passed over.
        QVERIFY(QDir(shared).removeRecursively());
        const QString elsewhere = scratch.filePath("elsewhere");
        QVERIFY(QDir().mkpath(elsewhere));
        QVERIFY(QFile::link(elsewhere, shared));
        QCOMPARE(Main::TempFolder(), scratch.filePath("cache/quillary"));
        if (::geteuid() == 0) {
            QVERIFY(QFile::remove(shared));
            QVERIFY(QDir().mkpath(shared));
            QCOMPARE(::chown(QFile::encodeName(shared).constData(), 65534, 65534), 0);
            QCOMPARE(Main::TempFolder(), scratch.filePath("cache/quillary"));
        }
    }

    void forcedDeleteThatFailsLeavesTheFileAsItWas() {
        if (testing::rerunUnprivileged())
            return;
        QTemporaryDir dir;
        const QString file = dir.filePath("ro.doc");
        touch(file);
        const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadUser;
        QVERIFY(QFile::setPermissions(file, readOnly));
        // The folder takes no changes: the file cannot be removed.
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        testing::FakeShell shell;
        Main::DeleteFiles(shell, file);
        QVERIFY(QFile::exists(file));
        QCOMPARE(QFile::permissions(file) & kOwnerGroupOther, readOnly & kOwnerGroupOther);
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner));
    }
};

QTEST_MAIN(TestShellUtilities)
#include "test_shell_utilities.moc"

#include "app/ShellUtilities.h"
#include "platform/controls/PictureBox.h"
#include "platform/messages/MessageService.h"
#include "platform/skin/SkinFramework.h"
#include "support/FakeClipboard.h"
#include "support/FakeShell.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void touch(const QString& path, const QByteArray& content = "x") {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

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

    void tempFolderFollowsTempInAnyCase() {
        qputenv("tEmP", "/some/where/");
        QCOMPARE(Main::TempFolder(), QString("/some/where"));
        qunsetenv("tEmP");
        qunsetenv("TEMP");
        QCOMPARE(Main::TempFolder(), QDir::tempPath());
    }
};

QTEST_MAIN(TestShellUtilities)
#include "test_shell_utilities.moc"

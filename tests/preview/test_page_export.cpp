// The page export on its own: a saved agenda's pages into a result that
// records what it is given.
#include "entry/SampleMeeting.h"
#include "generation/AgendaTyping.h"
#include "platform/controls/FormWindow.h"
#include "platform/word/automation/Application.h"
#include "platform/word/automation/Constants.h"
#include "platform/word/automation/Document.h"
#include "platform/word/paint/PageRenderer.h"
#include "preview/GenerationResult.h"
#include "preview/PageExport.h"
#include "preview/ResultDocument.h"
#include "support/TestServices.h"
#include "support/TypedAgenda.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A generation result without a window.
struct RecordedResult final : preview::GenerationResult {
    void clearPageList() override { items.clear(); }
    void addPageItem(const QString& text) override { items << text; }
    int pageItemCount() const override { return int(items.size()); }
    bool hasImageSlot(int index) const override { return index == 0 || pictures.count(index); }
    void createImageSlot(int index) override {
        if (hasImageSlot(index))
            throw std::runtime_error("slot exists");
        pictures[index];
    }
    void setSlotPicture(int index, const platform::Picture& picture) override {
        if (!hasImageSlot(index))
            throw std::runtime_error("no slot");
        pictures[index] = picture;
    }
    void showFirstPage() override { ++firstPageShown; }
    void setDocumentPath(const QString& path) override { documentPath = path; }
    void showResult() override { ++shown; }

    QStringList items;
    std::map<int, platform::Picture> pictures;
    int firstPageShown = 0;
    int shown = 0;
    QString documentPath;
};

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class PageExportTest : public QObject {
    Q_OBJECT

private slots:
    void init() { qputenv("TEMP", QFile::encodeName(m_temp.path())); }
    void cleanup() { qunsetenv("TEMP"); }

    // Every page of the saved document, in order, as the page view draws
    // it; the file keeps all its pages.
    void eachPageBecomesAnItemAndASlot() {
        testing::TestServices t;
        const QString path = saveAgenda(60);
        const QByteArray saved = contents(path);
        QList<QImage> expected;
        {
            preview::ResultDocument document(t.automation, path);
            for (int p = 0; p < document.pageCount(); ++p)
                expected << word::renderPage(document.layout(), p, {96});
        }
        QVERIFY(expected.size() >= 3);

        RecordedResult result;
        platform::FormWindow window;
        MeetingAgenda::SaveDocAsJPG(t.services(), window, result, path);

        QCOMPARE(t.messages.texts(), QStringList());
        QCOMPARE(result.items.size(), expected.size());
        QCOMPARE(int(result.pictures.size()), expected.size());
        for (int n = 1; n <= expected.size(); ++n) {
            QCOMPARE(result.items[n - 1], QStringLiteral("Page %1").arg(n));
            QCOMPARE(result.pictures[n - 1].toImage(96), expected[n - 1]);
        }
        QCOMPARE(contents(path), saved);
        QCOMPARE(window.mousePointer(), int(platform::PointerBusy));
        QVERIFY(!QFile::exists(MeetingAgenda::ScratchPicture::defaultPath()));
        // Showing the result is the builder's part.
        QCOMPARE(result.firstPageShown, 0);
        QCOMPARE(result.shown, 0);
    }

    // A slot that exists already is filled again, not created twice.
    void existingSlotsAreReused() {
        testing::TestServices t;
        const QString path = saveAgenda(60);
        RecordedResult result;
        result.createImageSlot(1);
        platform::FormWindow window;
        MeetingAgenda::SaveDocAsJPG(t.services(), window, result, path);
        QCOMPARE(t.messages.texts(), QStringList());
        QVERIFY(!result.pictures[1].isNull());
    }

    // In a shared sticky temporary folder, another user's "temp.bmp" neither
    // blocks the export nor sees its pictures: the scratch file lives in the
    // user's private folder (mode 0700).
    void anotherUsersScratchFileInTempIsLeftAlone() {
        const passwd* nobody = ::getpwnam("nobody");
        if (::geteuid() != 0 || !nobody)
            QSKIP("Needs root, to leave a file owned by \"nobody\" in the shared folder");
        QTemporaryDir shared;
        QVERIFY(::chmod(QFile::encodeName(shared.path()).constData(), 01777) == 0);
        const QString theirs = shared.filePath(QStringLiteral("temp.bmp"));
        QVERIFY(QFile(theirs).open(QIODevice::WriteOnly));
        QVERIFY(::chown(QFile::encodeName(theirs).constData(), nobody->pw_uid, nobody->pw_gid) ==
                0);
        qputenv("TEMP", QFile::encodeName(shared.path()));

        testing::TestServices t;
        const QString path = saveAgenda(60);
        RecordedResult result;
        platform::FormWindow window;
        MeetingAgenda::SaveDocAsJPG(t.services(), window, result, path);

        QCOMPARE(t.messages.texts(), QStringList());
        QVERIFY(result.items.size() >= 3);
        for (const auto& [slot, picture] : result.pictures)
            QVERIFY(!picture.isNull());
        QVERIFY(QFileInfo(theirs).isFile());
        QCOMPARE(QFileInfo(theirs).ownerId(), nobody->pw_uid);
        const QString folder = QFileInfo(MeetingAgenda::ScratchPicture::defaultPath()).path();
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(folder).constData(), &info) == 0);
        QCOMPARE(info.st_uid, ::geteuid());
        QCOMPARE(info.st_mode & 0777, mode_t(0700));
    }

private:
    // The sample agenda with `items` rows, saved in the temporary folder.
    QString saveAgenda(int items) {
        const testing::TypedAgenda agenda(testing::sampleWithItems(items));
        const QString path = m_temp.filePath(QStringLiteral("agenda.doc"));
        agenda.doc->SaveAs(path);
        agenda.doc->Close(word::wd::DoNotSaveChanges);
        agenda.app->Quit();
        return path;
    }

    QTemporaryDir m_temp;
};

QTEST_MAIN(PageExportTest)
#include "test_page_export.moc"

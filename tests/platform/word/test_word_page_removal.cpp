#include "EngineFixture.h"
#include "entry/SampleMeeting.h"

#include "generation/AgendaTyping.h"
#include "platform/picture/Picture.h"
#include "platform/word/paint/PageRenderer.h"
#include "preview/PageLoop.h"
#include "support/TypedAgenda.h"

#include <QtTest>

namespace {

// The sample agenda with enough rows for three pages and a closing
// paragraph long enough to break across a page.
MeetingAgenda::MeetingData threePageMeeting(int items, int repeats) {
    MeetingAgenda::MeetingData m = testing::sampleWithItems(items);
    m.additional = QString(QStringLiteral("Bring extra butter and napkins. ")).repeated(repeats);
    return m;
}

struct Built : testing::TypedAgenda {
    Built(int items, int repeats) : TypedAgenda(threePageMeeting(items, repeats)) {}
};

// What the loop hands on: each picture, and the pages left behind it.
struct PagesTaken final : MeetingAgenda::PageSink {
    explicit PagesTaken(Built& built) : built(built) {}
    void storePage(int) override {
        pictures << built.clipboard.current.toImage(96);
        pageCounts << built.doc->BuiltInDocumentProperties(wd::PropertyPages).toInt();
    }
    Built& built;
    QList<QImage> pictures;
    QList<int> pageCounts;
};

} // namespace

class WordPageRemovalTest : public QObject {
    Q_OBJECT

private slots:
    // The page export's own loop: it copies the remaining document as a
    // picture, then deletes its first page; each picture equals the
    // untouched document's page.
    void copyingAndDeletingTheFirstPageYieldsEveryPage() {
        QFETCH(int, items);
        QFETCH(int, repeats);
        Built original(items, repeats);
        word::Layout& layout = original.doc->layout();
        const int pages = layout.pageCount();
        QVERIFY(pages >= 3);
        QList<QImage> expected;
        for (int p = 0; p < pages; ++p)
            expected << word::renderPage(layout, p, {96});

        Built work(items, repeats);
        work.app->Selection().HomeKey(wd::Story); // where a freshly opened document has it
        PagesTaken taken(work);
        app::StrictSteps run;
        MeetingAgenda::TakePages(run, work.app, work.doc, taken);
        QCOMPARE(taken.pictures, expected);
        QCOMPARE(taken.pageCounts.size(), pages);
        for (int n = 1; n <= pages; ++n)
            QCOMPARE(taken.pageCounts[n - 1], std::max(1, pages - n));
    }
    void copyingAndDeletingTheFirstPageYieldsEveryPage_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("repeats");
        // Few rows: the pages break inside the closing paragraph. Many rows:
        // between table rows, then inside the paragraph.
        QTest::newRow("paragraph breaks") << 2 << 400;
        QTest::newRow("row breaks") << 40 << 40;
    }

    void theLastPageStaysWhenThereIsNoNext() {
        EngineFixture e;
        e.sel().TypeText(QStringLiteral("only"));
        e.sel().GoTo(wd::GoToPage, wd::GoToNext, 2);
        QCOMPARE(e.sel().start(), word::Position::body(0, 0));
        e.doc->Range().CopyAsPicture();
        QCOMPARE(e.clipboard.current.twipsSize().width(), 9360);
    }
};

QTEST_MAIN(WordPageRemovalTest)
#include "test_word_page_removal.moc"

#include "EngineFixture.h"
#include "entry/SampleMeeting.h"

#include "generation/AgendaTyping.h"
#include "platform/picture/Picture.h"
#include "platform/word/paint/PageRenderer.h"

#include <QtTest>

namespace {

// The sample agenda with enough rows for three pages and a closing
// paragraph long enough to break across a page.
MeetingAgenda::MeetingData threePageMeeting(int items, int repeats) {
    MeetingAgenda::MeetingData m = entry::sampleMeeting();
    while (m.items.size() < items)
        m.items.append(m.items[m.items.size() % 2]);
    m.additional = QString(QStringLiteral("Bring extra butter and napkins. ")).repeated(repeats);
    return m;
}

struct Built {
    testing::FakeClipboard clipboard;
    platform::Ref<word::Application> app{word::Application::create(clipboard)};
    platform::Ref<word::Document> doc;
    Built(int items, int repeats) {
        app::StrictSteps run;
        MeetingAgenda::TypeAgenda(run, app, doc, threePageMeeting(items, repeats));
    }
};

} // namespace

class WordPageRemovalTest : public QObject {
    Q_OBJECT

private slots:
    // Copy the remaining document as a picture, then delete its first page,
    // as the exporter does: each picture equals the untouched document's page.
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
        work.doc->Repaginate();
        QCOMPARE(work.doc->BuiltInDocumentProperties(wd::PropertyPages).toInt(), pages);
        for (int p = 0; p < pages; ++p) {
            work.doc->Range().CopyAsPicture();
            QCOMPARE(work.clipboard.current.toImage(96), expected[p]);
            if (p + 1 == pages)
                break;
            word::Selection& sel = work.app->Selection();
            sel.GoTo(wd::GoToPage, wd::GoToNext, 2);
            sel.HomeKey(wd::Story, wd::Extend);
            sel.Delete(wd::Character, 1);
            QCOMPARE(work.doc->BuiltInDocumentProperties(wd::PropertyPages).toInt(), pages - p - 1);
        }
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

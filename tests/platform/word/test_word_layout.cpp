#include "EngineFixture.h"

#include "platform/picture/Picture.h"
#include "platform/word/paint/PageRenderer.h"

#include <QtTest>

using word::Position;

namespace {

int firstLineHeight(EngineFixture& e) {
    return e.doc->layout().page(0).lines.at(0).paragraph->lines.at(0).height;
}

// Tops of the body lines on page 0, in order.
QList<int> lineTops(EngineFixture& e) {
    QList<int> tops;
    for (const auto& line : e.doc->layout().page(0).lines)
        tops << line.y;
    return tops;
}

} // namespace

class WordLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void lineHeightsComeFromTheFontTables() {
        // Single spacing inside a "Table Grid" cell, in twips.
        const struct {
            const char* font;
            int points;
            int height;
        } cases[] = {{"Tahoma", 11, 220},
                     {"Tahoma", 14, 280},
                     {"Liberation Sans", 10, 230},
                     {"DejaVu Sans", 11, 256},
                     {"DejaVu Sans", 28, 652}};
        for (const auto& c : cases) {
            EngineFixture e;
            e.doc->Tables().Add(e.sel().Range(), 1, 1, wd::Word9TableBehavior, wd::AutoFitFixed);
            e.sel().Font().setName(QString::fromLatin1(c.font));
            e.sel().Font().setSize(c.points);
            e.sel().TypeText(QStringLiteral("Xg"));
            const word::PageRow& row = e.doc->layout().page(0).rows.at(0);
            QCOMPARE(row.row->contentHeight, c.height);
        }
    }

    void multipleSpacingAndParagraphSpacing() {
        EngineFixture e; // document defaults: line 259 auto (108 %), 160 after
        e.sel().Font().setName(QStringLiteral("Tahoma"));
        e.sel().Font().setSize(11);
        e.sel().TypeText(QStringLiteral("one\rtwo"));
        QCOMPARE(firstLineHeight(e), 220 * 108 / 100);
        QCOMPARE(lineTops(e), (QList<int>{0, 237 + 160}));
    }

    void emptyParagraphsTakeTheirMarksHeight() {
        EngineFixture e;
        e.sel().Font().setName(QStringLiteral("Tahoma"));
        e.sel().Font().setSize(28);
        e.sel().TypeText(QStringLiteral("BIG"));
        e.sel().Font().setSize(10);
        e.sel().TypeParagraph();
        e.sel().TypeParagraph();
        e.sel().Font().setSize(28); // formats the new empty paragraph's mark too
        e.sel().TypeText(QStringLiteral("BIG"));
        const int big = 560 * 108 / 100;
        const int small = 200 * 108 / 100;
        QCOMPARE(lineTops(e), (QList<int>{0, big + 160, big + small + 320}));
    }

    void pageBreaksInsideAParagraphKeepTwoLinesEachSide() {
        EngineFixture e;
        e.sel().Font().setName(QStringLiteral("Tahoma"));
        // 11 pt Tahoma lines are 237 twips high with 160 after: 32 of them
        // leave room for one more line on the 12960-twip text area...
        const int perPage = 33;
        e.typeLines(perPage - 1);
        // ...so a longer paragraph moves whole: one line may not stay behind.
        e.sel().TypeText(QString(QStringLiteral("word ")).repeated(60));
        word::Layout& layout = e.doc->layout();
        QCOMPARE(layout.pageCount(), 2);
        QCOMPARE(layout.page(1).start, Position::body(perPage - 1, 0));
        QCOMPARE(layout.page(0).lines.size(), std::size_t(perPage - 1));
        // ...and 31 for two lines: a longer paragraph splits inside it.
        EngineFixture f;
        f.sel().Font().setName(QStringLiteral("Tahoma"));
        f.typeLines(perPage - 2);
        f.sel().TypeText(QString(QStringLiteral("word ")).repeated(100));
        word::Layout& l = f.doc->layout();
        QCOMPARE(l.pageCount(), 2);
        const Position start = l.page(1).start;
        QCOMPARE(start.block, perPage - 2);
        QVERIFY(start.offset > 0);
        QVERIFY(l.page(1).lines.size() >= 2);
        QCOMPARE(l.page(0).lines.back().line, 1);
    }

    void multipleSpacingMayHangPastTheBottomMargin() {
        // 11 pt Tahoma: 220 twips of text, 237 with 108 % spacing, 160
        // after. Below a 12 pt line (259 + 160) the 33rd paragraph's top is
        // 419 + 31 x 397 = 12726: its text ends at 12946, inside the 12960
        // twips of text area, its spacing at 12963, past it. It stays, empty
        // or not; the next paragraph goes to the next page.
        for (const bool empty : {true, false}) {
            EngineFixture e;
            e.sel().Font().setName(QStringLiteral("Tahoma"));
            e.sel().Font().setSize(12);
            e.sel().TypeText(QStringLiteral("big"));
            e.sel().TypeParagraph();
            e.sel().Font().setSize(11);
            e.typeLines(31);
            if (!empty)
                e.sel().TypeText(QStringLiteral("last"));
            e.sel().TypeParagraph();
            e.sel().TypeText(QStringLiteral("after"));
            word::Layout& layout = e.doc->layout();
            QCOMPARE(layout.pageCount(), 2);
            QCOMPARE(layout.page(0).lines.size(), std::size_t(33));
            QCOMPARE(layout.page(0).lines.back().y, 12726);
            QCOMPARE(layout.page(1).start, Position::body(33, 0));
        }
    }

    void tableRowsMoveWholeToTheNextPage() {
        EngineFixture e;
        e.doc->Tables().Add(e.sel().Range(), 60, 2, wd::Word9TableBehavior, wd::AutoFitFixed);
        for (int r = 0; r < 60; ++r) {
            e.sel().TypeText(QStringLiteral("row %1").arg(r));
            e.sel().MoveRight(wd::Cell);
            e.sel().TypeText(QStringLiteral("first\rsecond\rthird"));
            e.sel().MoveRight(wd::Cell);
        }
        word::Layout& layout = e.doc->layout();
        QVERIFY(layout.pageCount() >= 2);
        const word::Page& second = layout.page(1);
        QVERIFY(second.start.atRowStart());
        const int firstRowOnSecond = second.start.row;
        QVERIFY(second.text.startsWith(
            QStringLiteral("row %1\nfirst\nsecond\nthird").arg(firstRowOnSecond)));
        const word::Page& first = layout.page(0);
        QVERIFY(first.text.endsWith(
            QStringLiteral("row %1\nfirst\nsecond\nthird\n").arg(firstRowOnSecond - 1)));
        // The split draws the inside rule under the page's last row too,
        // below its content; the table's own bottom rule ends its last row.
        const word::PageRow& split = first.rows.back();
        QVERIFY(split.below.has_value());
        QCOMPARE(split.below->style, word::BorderStyle::Single);
        QCOMPARE(split.height, word::borderTwips(split.above) + split.row->contentHeight +
                                   word::borderTwips(*split.below));
        QCOMPARE(first.bottom, split.y + split.height);
        QVERIFY(first.bottom - word::borderTwips(*split.below) <= 12960);
        QVERIFY(first.bottom - word::borderTwips(*split.below) + second.rows.front().height >
                12960);
        const word::Page& last = layout.page(layout.pageCount() - 1);
        QVERIFY(last.rows.back().below.has_value());
        for (std::size_t r = 0; r + 1 < second.rows.size(); ++r)
            QVERIFY(!second.rows[r].below.has_value());
    }

    void picturesAreOneToOneAndWidenForTheMargin() {
        EngineFixture e;
        e.sel().TypeText(QStringLiteral("text"));
        QImage picture = word::renderPage(e.doc->layout(), 0, {192});
        QCOMPARE(platform::pictureDpi(picture), 192);
        QCOMPARE(platform::pictureTwipsSize(picture).width(), 9360);
        // Heights are whole pixels: within one pixel of the page's last line.
        QVERIFY(std::abs(platform::pictureTwipsSize(picture).height() -
                         e.doc->layout().page(0).bottom) <= 1440 / 192);
        auto t =
            e.doc->Tables().Add(e.sel().Range(), 1, 2, wd::Word9TableBehavior, wd::AutoFitFixed);
        t->Columns(1).setWidth(300);
        t->Columns(2).setWidth(300);
        picture = word::renderPage(e.doc->layout(), 0, {96});
        // The grid, plus half of the left and right single rules.
        QVERIFY(std::abs(platform::pictureTwipsSize(picture).width() - 12010) <= 15);
    }

    void glyphBaselinesFallOnThePixelRowTheyLieIn() {
        // 11 pt Tahoma's first baseline is 174 twips down: 11.6 pixels at
        // 96 dpi. PDF renderers put it at row 11 (rounded down), so the
        // flat feet of the H's end on row 10, not 11.
        EngineFixture e;
        e.sel().Font().setName(QStringLiteral("Tahoma"));
        e.sel().TypeText(QStringLiteral("HHHH"));
        QCOMPARE(e.doc->layout().page(0).lines.at(0).paragraph->lines.at(0).baseline, 174);
        const QImage picture = word::renderPage(e.doc->layout(), 0, {96});
        int lastInk = -1;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < 40; ++x)
                if (qGray(picture.pixel(x, y)) < 128)
                    lastInk = y;
        QCOMPARE(lastInk, 10);
    }

    void doubleRulesShowTwoLines() {
        for (int dpi : {96, 192}) {
            EngineFixture e;
            auto t = e.doc->Tables().Add(e.sel().Range(), 1, 1, wd::Word9TableBehavior,
                                         wd::AutoFitFixed);
            t->Borders(wd::BorderTop).setLineStyle(wd::LineStyleDouble);
            const QImage picture = word::renderPage(e.doc->layout(), 0, {dpi});
            int runs = 0;
            bool dark = false;
            for (int y = 0; y < picture.height() / 2; ++y) {
                const bool now = qGray(picture.pixel(picture.width() / 2, y)) < 128;
                runs += now && !dark ? 1 : 0;
                dark = now;
            }
            QCOMPARE(runs, 2);
        }
    }
};

QTEST_MAIN(WordLayoutTest)
#include "test_word_layout.moc"

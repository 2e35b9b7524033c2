// Layout of documents no one would write but a file can hold: what the
// layout fuzz target (fuzz/fuzz_document_layout.cpp) found, kept here.
#include "platform/word/layout/Layout.h"
#include "platform/word/paint/PageRenderer.h"

#include <QtTest>

namespace {

// A cell of empty paragraphs, each as tall as a file may make one: 22
// inches before, after and for its line.
word::Table oneTallCell(std::size_t paragraphs) {
    word::Paragraph tallest;
    word::ParagraphProperties& p = tallest.properties;
    p.spacingBefore = p.spacingAfter = p.line = 31680;
    p.lineRule = word::LineRule::Exact;
    word::Cell cell;
    cell.widthTwips = 2000;
    cell.paragraphs.assign(paragraphs, tallest);
    word::Table table;
    table.gridColumns = {2000};
    table.rows.push_back({true, {cell}});
    return table;
}

} // namespace

class WordHostileLayoutTest : public QObject {
    Q_OBJECT

private slots:
    // 25,000 paragraphs of 95,040 twips each add up past int's limit: the
    // row's height must not wrap round to a negative one.
    void aCellTallerThanIntCanCountStaysTall() {
        word::DocumentModel doc;
        doc.body = {oneTallCell(25000), word::Paragraph{}};
        word::FontCache fonts;
        word::Layout layout(doc, fonts);
        QCOMPARE(layout.pageCount(), 2);
        const word::Page& first = layout.page(0);
        QCOMPARE(first.rows.size(), std::size_t(1));
        QVERIFY(first.rows[0].height >= word::maxExtent);
        QVERIFY(first.bottom >= word::maxExtent);
        QVERIFY(word::pagePictureTwips(first, doc.section).height() >= word::maxExtent);
        QCOMPARE(layout.page(1).lines.size(), std::size_t(1));
    }
};

QTEST_MAIN(WordHostileLayoutTest)
#include "test_word_hostile_layout.moc"

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
    // 25,000 paragraphs of 95,040 twips each add up past int's limit: no
    // height may wrap round to a negative one. The row, taller than any
    // page, goes on over the pages that follow, a paragraph or more a page.
    void aCellTallerThanIntCanCountStaysTall() {
        word::DocumentModel doc;
        doc.body = {oneTallCell(25000), word::Paragraph{}};
        word::FontCache fonts;
        word::Layout layout(doc, fonts);
        QVERIFY(layout.pageCount() >= 25000);
        for (int i = 0; i < layout.pageCount(); ++i) {
            const word::Page& page = layout.page(i);
            QVERIFY2(page.bottom >= 0, qPrintable(QString::number(i)));
            for (const auto& row : page.rows)
                QVERIFY2(row.height >= 0, qPrintable(QString::number(i)));
        }
        QVERIFY(!layout.page(layout.pageCount() - 1).lines.empty());
    }
};

QTEST_MAIN(WordHostileLayoutTest)
#include "test_word_hostile_layout.moc"

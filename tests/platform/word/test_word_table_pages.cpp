#include "EngineFixture.h"

#include <QtTest>

namespace {

// A three-row, two-column table after a short paragraph: each row "rowN"
// in its first cell, the row `tall` with `words` words in its second.
void typeTable(EngineFixture& e, int tall, int words) {
    e.sel().Font().setName(QStringLiteral("Tahoma"));
    e.sel().TypeText(QStringLiteral("before\r"));
    e.doc->Tables().Add(e.sel().Range(), 3, 2, wd::Word9TableBehavior, wd::AutoFitFixed);
    for (int r = 0; r < 3; ++r) {
        e.sel().TypeText(QStringLiteral("row%1").arg(r));
        e.sel().MoveRight(wd::Cell);
        QStringList text;
        for (int w = 0; w < (r == tall ? words : 2); ++w)
            text << QStringLiteral("r%1w%2").arg(r).arg(w);
        e.sel().TypeText(text.join(QLatin1Char(' ')));
        if (r < 2)
            e.sel().MoveRight(wd::Cell);
    }
}

// Every word of every page, in page order.
QStringList allWords(word::Layout& layout) {
    QStringList words;
    for (const QString& text : layout.pageTexts())
        words << text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    return words;
}

} // namespace

class WordTablePagesTest : public QObject {
    Q_OBJECT

private slots:
    void aRowTallerThanAPageSplitsByLinesWhereItStands() {
        for (const int tall : {0, 1}) {
            for (const int words : {900, 2500}) {
                EngineFixture e;
                typeTable(e, tall, words);
                word::Layout& layout = e.doc->layout();
                const int limit = e.model().section.textHeight();
                // All of its text, once, in order, on as many pages as it takes.
                const QStringList all = allWords(layout);
                QCOMPARE(all.count(QStringLiteral("r%1w%2").arg(tall).arg(words - 1)), 1);
                QCOMPARE(all.size(), 1 + 3 + 2 * 2 + words);
                QVERIFY(layout.pageCount() >= 2 + words / 1000);
                for (int p = 0; p < layout.pageCount(); ++p) {
                    const word::Page& page = layout.page(p);
                    QVERIFY(!page.rows.empty());
                    for (const word::PageRow& row : page.rows)
                        QVERIFY2(row.y + row.height <= limit, qPrintable(QString::number(p)));
                }
                // It starts where it stands, below the rows before it...
                const word::Page& first = layout.page(0);
                QCOMPARE(int(first.rows.size()), tall + 1);
                QVERIFY(!first.rows.back().part.empty());
                // ...each part closed by the inside rule, the next one
                // opened by it at the top of the next page.
                QCOMPARE(first.rows.back().below->style, word::BorderStyle::Single);
                const word::PageRow& next = layout.page(1).rows.front();
                QCOMPARE(next.y, 0);
                QCOMPARE(next.above.style, word::BorderStyle::Single);
                QCOMPARE(next.linesOf(0).first, 1); // the first cell's one line is placed
                QCOMPARE(next.linesOf(0).end, 1);
                QCOMPARE(next.linesOf(1).first, first.rows.back().linesOf(1).end);
                // The rows after it follow its last part.
                const word::Page& end = layout.page(layout.pageCount() - 1);
                QVERIFY(end.text.contains(QStringLiteral("row2")));
            }
        }
    }

    void aRowThatFitsOnAPageMovesThereWhole() {
        EngineFixture e;
        typeTable(e, 1, 150);
        e.sel().MoveDown(wd::Line, 1);
        // Push the table down until its second row no longer fits.
        e.sel().HomeKey(wd::Story);
        e.sel().TypeText(QStringLiteral("line\r").repeated(30));
        word::Layout& layout = e.doc->layout();
        QCOMPARE(layout.pageCount(), 2);
        const word::PageRow& moved = layout.page(1).rows.front();
        QVERIFY(moved.part.empty());
        QCOMPARE(moved.y, 0);
        QVERIFY(layout.page(1).text.startsWith(QStringLiteral("row1")));
    }
};

QTEST_MAIN(WordTablePagesTest)
#include "test_word_table_pages.moc"

#include "EngineFixture.h"

#include <QtTest>

using word::BorderStyle;
using word::Position;

class WordTablesTest : public QObject {
    Q_OBJECT

private slots:
    void addPutsTheInsertionPointInTheFirstCell() {
        EngineFixture e;
        e.sel().Font().setName(QStringLiteral("Tahoma"));
        e.sel().TypeText(QStringLiteral("before\r"));
        auto table =
            e.doc->Tables().Add(e.sel().Range(), 2, 3, wd::Word9TableBehavior, wd::AutoFitFixed);
        QCOMPARE(e.blocks(), 3); // paragraph, table, the paragraph it stood before
        QCOMPARE(e.sel().start(), Position::inCell(1, 0, 0));
        QCOMPARE(table->Style(), QStringLiteral("Table Grid"));
        const word::Table& t = e.table(1);
        QCOMPARE(t.gridColumns, (std::vector<int>{3120, 3120, 3120}));
        QVERIFY(t.rows[0].cantSplit);
        // Cell paragraphs take the formatting of the paragraph they replace.
        QCOMPARE(t.rows[1].cells[2].paragraphs[0].properties.markRunProperties.font,
                 std::optional<QString>(QStringLiteral("Tahoma")));
        QCOMPARE(e.doc->Tables().Count(), 1);
    }

    void moveRightByCellWrapsToTheNextRowAndMoveDownLeaves() {
        EngineFixture e;
        e.doc->Tables().Add(e.sel().Range(), 2, 2, wd::Word9TableBehavior, wd::AutoFitFixed);
        e.sel().TypeText(QStringLiteral("a"));
        QCOMPARE(e.sel().MoveRight(wd::Cell), 1);
        e.sel().TypeText(QStringLiteral("b"));
        QCOMPARE(e.sel().MoveRight(wd::Cell), 1);
        QCOMPARE(e.sel().start(), Position::inCell(0, 1, 0));
        e.sel().TypeText(QStringLiteral("c\rc2"));
        e.sel().MoveRight(wd::Cell);
        e.sel().TypeText(QStringLiteral("d"));
        QCOMPARE(e.sel().MoveRight(wd::Cell), 0); // the last cell has no next
        e.sel().MoveDown(wd::Line, 1);
        QCOMPARE(e.sel().start(), Position::body(1, 0));
        e.sel().TypeText(QStringLiteral("after"));
        const word::Table& t = e.table(0);
        QCOMPARE(t.rows[0].cells[1].paragraphs[0].text(), QStringLiteral("b"));
        QCOMPARE(t.rows[1].cells[0].paragraphs.size(), std::size_t(2));
        QCOMPARE(t.rows[1].cells[1].paragraphs[0].text(), QStringLiteral("d"));
        QCOMPARE(e.paragraph(1).text(), QStringLiteral("after"));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, e.sel().MoveRight(wd::Cell));
    }

    void moveDownFromAnUpperRowStaysInTheColumn() {
        EngineFixture e;
        e.doc->Tables().Add(e.sel().Range(), 3, 2, wd::Word9TableBehavior, wd::AutoFitFixed);
        e.sel().MoveRight(wd::Cell);
        e.sel().MoveDown(wd::Line, 1);
        QCOMPARE(e.sel().start(), Position::inCell(0, 1, 1));
    }

    void columnWidthsStylesAndLook() {
        EngineFixture e;
        auto t =
            e.doc->Tables().Add(e.sel().Range(), 1, 3, wd::Word8TableBehavior, wd::AutoFitFixed);
        QCOMPARE(t->Style(), QStringLiteral("Normal Table"));
        t->setStyle(QStringLiteral("Table Grid"));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, t->setStyle(QStringLiteral("No Such")));
        t->Columns(1).setWidth(150);
        t->Columns(2).setWidth(200);
        QCOMPARE(t->Columns(2).Width(), 200.0);
        QCOMPARE(e.table(0).gridColumns, (std::vector<int>{3000, 4000, 3120}));
        QCOMPARE(e.table(0).rows[0].cells[1].widthTwips, 4000);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, t->Columns(4).setWidth(10));
        t->setApplyStyleLastRow(true);
        t->setApplyStyleLastColumn(true);
        QCOMPARE(e.table(0).look.value(), 0x20 | 0x40 | 0x80 | 0x100 | 0x400);
    }

    void bordersByIndex() {
        EngineFixture e;
        auto t =
            e.doc->Tables().Add(e.sel().Range(), 2, 2, wd::Word9TableBehavior, wd::AutoFitFixed);
        QCOMPARE(t->Borders(wd::BorderTop).LineStyle(), wd::LineStyleSingle); // from "Table Grid"
        t->Borders(wd::BorderLeft).setLineStyle(wd::LineStyleNone);
        t->Borders(wd::BorderTop).setLineStyle(wd::LineStyleDouble);
        t->Borders(wd::BorderTop).setLineWidth(wd::LineWidth050pt);
        t->Borders(wd::BorderTop).setColor(wd::ColorAutomatic);
        t->Borders(wd::BorderDiagonalDown).setLineStyle(wd::LineStyleNone);
        t->Borders(wd::BorderDiagonalUp).setLineStyle(wd::LineStyleSingle);
        t->Borders().setShadow(false);
        const word::Table& m = e.table(0);
        QCOMPARE(m.borders.left->style, BorderStyle::None);
        QCOMPARE(m.borders.top->style, BorderStyle::Double);
        QCOMPARE(m.borders.top->widthEighths, 4);
        QVERIFY(m.borders.top->color.automatic);
        QVERIFY(!m.borders.insideH); // untouched sides stay with the style
        for (const auto& row : m.rows)
            for (const auto& cell : row.cells) {
                QCOMPARE(cell.diagonalDown->style, BorderStyle::None);
                QCOMPARE(cell.diagonalUp->style, BorderStyle::Single);
            }
        QVERIFY(!t->Borders().Shadow());
        t->Borders().setShadow(true);
        QVERIFY(t->Borders().Shadow());
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError,
                                 t->Borders(-9).setLineStyle(wd::LineStyleNone));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, t->Borders(wd::BorderTop).setLineWidth(5));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError,
                                 t->Borders(wd::BorderTop).setLineStyle(42));
    }

    void deletingWholeRowsFromTheStart() {
        EngineFixture e;
        e.sel().TypeText(QStringLiteral("intro\r"));
        e.doc->Tables().Add(e.sel().Range(), 3, 1, wd::Word9TableBehavior, wd::AutoFitFixed);
        for (const char* text : {"r0", "r1", "r2"}) {
            e.sel().TypeText(QString::fromLatin1(text));
            e.sel().MoveRight(wd::Cell);
        }
        e.sel().setRange(Position::body(0, 0), Position::inCell(1, 2, 0));
        e.sel().Delete(wd::Character, 1);
        QCOMPARE(e.blocks(), 2);
        QCOMPARE(e.table(0).rows.size(), std::size_t(1));
        QCOMPARE(e.table(0).rows[0].cells[0].paragraphs[0].text(), QStringLiteral("r2"));
        QCOMPARE(e.sel().start(), Position::inCell(0, 0, 0));
    }
};

QTEST_MAIN(WordTablesTest)
#include "test_word_tables.moc"

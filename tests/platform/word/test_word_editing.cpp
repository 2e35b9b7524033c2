#include "EngineFixture.h"

#include <QtTest>

using word::Alignment;
using word::Position;

class WordEditingTest : public QObject {
    Q_OBJECT

private slots:
    void typedLineBreaksAreParagraphMarks() {
        EngineFixture e;
        e.sel().TypeText(QStringLiteral("a\r\nb\rc\nd\te"));
        QCOMPARE(e.blocks(), 4);
        QCOMPARE(e.paragraph(0).text(), QStringLiteral("a"));
        QCOMPARE(e.paragraph(1).text(), QStringLiteral("b"));
        QCOMPARE(e.paragraph(2).text(), QStringLiteral("c"));
        QCOMPARE(e.paragraph(3).text(), QStringLiteral("d\te"));
        QCOMPARE(e.sel().start(), Position::body(3, 3));
    }

    void fontAppliesToTextTypedNext() {
        EngineFixture e;
        e.sel().Font().setName(QStringLiteral("Tahoma"));
        e.sel().Font().setBold(true);
        e.sel().TypeText(QStringLiteral("Bold "));
        e.sel().Font().setBold(false);
        e.sel().Font().setSize(10);
        e.sel().Font().setColor(wd::ColorGray50);
        e.sel().TypeText(QStringLiteral("plain"));
        const auto& runs = e.paragraph(0).runs;
        QCOMPARE(runs.size(), std::size_t(2));
        QCOMPARE(runs[0].properties.bold, std::optional<bool>(true));
        QCOMPARE(runs[0].properties.font, std::optional<QString>(QStringLiteral("Tahoma")));
        QCOMPARE(runs[1].properties.bold, std::optional<bool>(false));
        QCOMPARE(runs[1].properties.sizeHalfPoints, std::optional<int>(20));
        QCOMPARE(runs[1].properties.color->rgb, QRgb(0x808080));
        QCOMPARE(e.sel().Font().Color(), wd::ColorGray50);
        QCOMPARE(e.sel().Font().Size(), 10.0);
        QCOMPARE(e.sel().Font().Name(), QStringLiteral("Tahoma"));
    }

    void fontAppliesToSelectedText() {
        EngineFixture e;
        e.sel().TypeText(QStringLiteral("plain\rbold here"));
        e.sel().setRange(Position::body(0, 2), Position::body(1, 4));
        e.sel().Font().setBold(true);
        QCOMPARE(e.paragraph(0).runs.size(), std::size_t(2));
        QCOMPARE(e.paragraph(0).runs[1].text, QStringLiteral("ain"));
        QCOMPARE(e.paragraph(0).runs[1].properties.bold, std::optional<bool>(true));
        QCOMPARE(e.paragraph(1).runs[0].text, QStringLiteral("bold"));
        QCOMPARE(e.paragraph(1).runs[0].properties.bold, std::optional<bool>(true));
        QCOMPARE(e.paragraph(1).runs[1].properties.bold, std::nullopt);
    }

    void newParagraphInheritsFormatting() {
        EngineFixture e;
        e.sel().Font().setName(QStringLiteral("Arial Black"));
        e.sel().Font().setSize(28);
        e.sel().TypeText(QStringLiteral("AGENDA"));
        e.sel().ParagraphFormat().setAlignment(wd::AlignParagraphRight);
        e.sel().Font().setName(QStringLiteral("Tahoma"));
        e.sel().Font().setSize(10);
        e.sel().TypeParagraph();
        e.sel().TypeParagraph();
        QCOMPARE(e.blocks(), 3);
        // The typed paragraph keeps its own mark; the empty ones carry the
        // formatting that was current when they were made.
        QCOMPARE(e.paragraph(0).properties.markRunProperties.sizeHalfPoints,
                 std::optional<int>(56));
        for (int b : {1, 2}) {
            const auto& p = e.paragraph(b).properties;
            QCOMPARE(p.alignment, std::optional<Alignment>(Alignment::Right));
            QCOMPARE(p.markRunProperties.font, std::optional<QString>(QStringLiteral("Tahoma")));
            QCOMPARE(p.markRunProperties.sizeHalfPoints, std::optional<int>(20));
        }
        // Formatting an empty paragraph's insertion point formats its mark.
        e.sel().Font().setSize(14);
        QCOMPARE(e.paragraph(2).properties.markRunProperties.sizeHalfPoints,
                 std::optional<int>(28));
        QCOMPARE(e.paragraph(1).properties.markRunProperties.sizeHalfPoints,
                 std::optional<int>(20));
    }

    void alignmentAppliesToCurrentParagraphOnly() {
        EngineFixture e;
        e.sel().TypeText(QStringLiteral("one\rtwo"));
        e.sel().ParagraphFormat().setAlignment(wd::AlignParagraphCenter);
        QCOMPARE(e.paragraph(0).properties.alignment, std::nullopt);
        QCOMPARE(e.paragraph(1).properties.alignment, std::optional<Alignment>(Alignment::Center));
        QCOMPARE(e.sel().ParagraphFormat().Alignment(), wd::AlignParagraphCenter);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, e.sel().ParagraphFormat().setAlignment(9));
    }

    void splittingInsideAParagraphKeepsBothHalves() {
        EngineFixture e;
        e.sel().TypeText(QStringLiteral("headtail"));
        e.sel().setRange(Position::body(0, 4), Position::body(0, 4));
        e.sel().TypeParagraph();
        QCOMPARE(e.paragraph(0).text(), QStringLiteral("head"));
        QCOMPARE(e.paragraph(1).text(), QStringLiteral("tail"));
        // Typing over a selection replaces it.
        e.sel().setRange(Position::body(1, 0), Position::body(1, 2));
        e.sel().TypeText(QStringLiteral("R"));
        QCOMPARE(e.paragraph(1).text(), QStringLiteral("Ril"));
    }

    void deleteJoinsAndRemoves() {
        EngineFixture e;
        e.sel().TypeText(QStringLiteral("ab\rcd\ref"));
        e.sel().setRange(Position::body(0, 1), Position::body(2, 1));
        e.sel().Delete(wd::Character, 1);
        QCOMPARE(e.blocks(), 1);
        QCOMPARE(e.paragraph(0).text(), QStringLiteral("af"));
        e.sel().setRange(Position::body(0, 0), Position::body(0, 0));
        QCOMPARE(e.sel().Delete(wd::Character, 1), 1);
        QCOMPARE(e.paragraph(0).text(), QStringLiteral("f"));
    }

    void moveDownGoesLineByLine() {
        EngineFixture e;
        e.sel().TypeText(QString(QStringLiteral("word ")).repeated(25) + QStringLiteral("\rnext"));
        e.sel().setRange(Position::body(0, 2), Position::body(0, 2));
        const auto& lines = e.doc->layout().bodyParagraph(0).lines;
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE(e.sel().MoveDown(wd::Line, 1), 1);
        QCOMPARE(e.sel().start(), Position::body(0, lines[1].start + 2));
        QCOMPARE(e.sel().MoveDown(wd::Line, 1), 1);
        QCOMPARE(e.sel().start(), Position::body(1, 0));
        // On the last line, down goes to the end of the document, then nowhere.
        QCOMPARE(e.sel().MoveDown(wd::Line, 5), 1);
        QCOMPARE(e.sel().start(), Position::body(1, 4));
    }

    void homeKeyExtendsToStoryStart() {
        EngineFixture e;
        e.sel().TypeText(QStringLiteral("ab\rcd"));
        e.sel().HomeKey(wd::Story, wd::Extend);
        QCOMPARE(e.sel().start(), Position::body(0, 0));
        QCOMPARE(e.sel().end(), Position::body(1, 2));
        e.sel().HomeKey(wd::Story, wd::Move);
        QVERIFY(e.sel().collapsed());
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, e.sel().HomeKey(wd::Line, wd::Move));
    }
};

QTEST_MAIN(WordEditingTest)
#include "test_word_editing.moc"

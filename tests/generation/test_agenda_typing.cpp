#include "app/ErrorTrap.h"
#include "entry/SampleMeeting.h"
#include "generation/AgendaTyping.h"
#include "platform/word/automation/Application.h"
#include "platform/word/automation/Document.h"
#include "support/ScriptedMessages.h"
#include "support/TypedAgenda.h"

#include <QRegularExpression>
#include <QtTest>

using word::BorderStyle;

namespace {

struct Typed : testing::TypedAgenda {
    using TypedAgenda::TypedAgenda;
    const word::DocumentModel& model() const { return doc->model(); }
    const word::Paragraph& p(int block) const {
        return std::get<word::Paragraph>(model().body.at(static_cast<std::size_t>(block)));
    }
    int tableBlock() const {
        for (std::size_t b = 0; b < model().body.size(); ++b)
            if (std::holds_alternative<word::Table>(model().body[b]))
                return static_cast<int>(b);
        return -1;
    }
    const word::Table& table() const {
        return std::get<word::Table>(model().body.at(static_cast<std::size_t>(tableBlock())));
    }
};

bool isBold(const word::Run& run) {
    return run.properties.bold.value_or(false);
}

int halfPoints(const word::Run& run) {
    return run.properties.sizeHalfPoints.value_or(0);
}

} // namespace

class AgendaTypingTest : public QObject {
    Q_OBJECT

private slots:
    void theSampleReadsLineByLine() {
        const Typed t(MeetingAgenda::MeetingData(entry::sampleMeeting()));
        QStringList texts;
        for (int b = 0; b < t.tableBlock(); ++b)
            texts << t.p(b).text();
        QCOMPARE(
            texts,
            (QStringList{
                QStringLiteral("AGENDA"), QString(), QStringLiteral("Lobster Eating Group Meeting"),
                QStringLiteral("August 2013"), QStringLiteral("9:00am - 5:00pm"), QString(),
                QStringLiteral("Meeting called by Tobias Renn"), QString(),
                QStringLiteral("Attendees:\tZorivu Vovura"), QStringLiteral("Rire Rorovov"),
                QStringLiteral("Dedare Vizizude"), QStringLiteral("Dozuvoda Zarevi"),
                QStringLiteral("Vod Ezido"),
                QStringLiteral("Please read:\tThe Secret Life of Lobsters by Halvard Pense"),
                QStringLiteral("Please bring:\tProtective Gear"), QStringLiteral("Cracking Tools"),
                QStringLiteral("Meat Extractors"), QString()}));
        const int after = t.tableBlock() + 1;
        QCOMPARE(t.p(after).text(), QString());
        QCOMPARE(t.p(after + 1).text(), QString());
        QCOMPARE(t.p(after + 2).text(), QStringLiteral("Additional Information:"));
        QCOMPARE(t.p(after + 3).text(), QStringLiteral("Bring extra butter"));
        QCOMPARE(static_cast<int>(t.model().body.size()), after + 4);
    }

    void theHeadingAndListsAreFormattedAsTyped() {
        const Typed t(MeetingAgenda::MeetingData(entry::sampleMeeting()));
        const word::Run& agenda = t.p(0).runs.at(0);
        QCOMPARE(agenda.properties.font, std::optional<QString>(QStringLiteral("Arial Black")));
        QCOMPARE(halfPoints(agenda), 56);
        QCOMPARE(agenda.properties.color, std::optional(word::Color::fromRgb(0x808080)));
        QCOMPARE(t.p(0).properties.alignment, std::optional(word::Alignment::Right));
        QCOMPARE(t.p(1).properties.markRunProperties.font,
                 std::optional<QString>(QStringLiteral("Tahoma")));
        const word::Run& title = t.p(2).runs.at(0);
        QVERIFY(isBold(title));
        QCOMPARE(halfPoints(title), 28);
        QCOMPARE(title.properties.color, std::optional(word::Color::fromRgb(0)));
        QCOMPARE(t.p(2).properties.alignment, std::optional(word::Alignment::Left));
        QVERIFY(isBold(t.p(3).runs.at(0)) && isBold(t.p(4).runs.at(0)));
        QCOMPARE(t.p(3).runs.at(0).properties.font,
                 std::optional<QString>(QStringLiteral("Tahoma")));
        QCOMPARE(halfPoints(t.p(3).runs.at(0)), 22);
        const auto& called = t.p(6).runs;
        QCOMPARE(called.size(), std::size_t(2));
        QVERIFY(!isBold(called[0]) && isBold(called[1]));
        for (int b : {8, 13, 14}) {
            QCOMPARE(t.p(b).runs.size(), std::size_t(2));
            QVERIFY(isBold(t.p(b).runs[0]) && t.p(b).runs[0].text.endsWith(QLatin1Char('\t')));
            QVERIFY(!isBold(t.p(b).runs[1]));
        }
    }

    void theTableHoldsOneRowPerItem() {
        const Typed t(MeetingAgenda::MeetingData(entry::sampleMeeting()));
        const word::Table& table = t.table();
        QCOMPARE(table.gridColumns, (std::vector<int>{3000, 4000, 3000}));
        QCOMPARE(table.styleId, QStringLiteral("TableGrid"));
        QCOMPARE(table.look.value() & 0x1E0, 0x1E0);
        QCOMPARE(table.borders.left->style, BorderStyle::None);
        QCOMPARE(table.borders.right->style, BorderStyle::None);
        QCOMPARE(table.borders.insideV->style, BorderStyle::None);
        for (const auto* rule :
             {&table.borders.top, &table.borders.bottom, &table.borders.insideH}) {
            QCOMPARE((*rule)->style, BorderStyle::Double);
            QCOMPARE((*rule)->widthEighths, 4);
            QVERIFY((*rule)->color.automatic);
        }
        QCOMPARE(table.rows.size(), std::size_t(2));
        const auto& cells = table.rows[1].cells;
        QCOMPARE(cells[0].paragraphs[0].text(), QStringLiteral("1:00 PM"));
        QVERIFY(isBold(cells[0].paragraphs[0].runs[0]));
        QCOMPARE(halfPoints(cells[0].paragraphs[0].runs[0]), 22);
        QCOMPARE(cells[1].paragraphs.size(), std::size_t(2));
        QVERIFY(isBold(cells[1].paragraphs[0].runs[0]));
        QVERIFY(!isBold(cells[1].paragraphs[1].runs[0]));
        QCOMPARE(halfPoints(cells[1].paragraphs[1].runs[0]), 20);
        QCOMPARE(cells[2].paragraphs[0].text(), QStringLiteral("Rm 121"));
        QVERIFY(!isBold(cells[2].paragraphs[0].runs[0]));
        QCOMPARE(halfPoints(cells[2].paragraphs[0].runs[0]), 20);
        QCOMPARE(t.table().rows[0].cells[1].paragraphs[1].text(),
                 QString::fromUtf8(
                     "Lobsters feeding back on themselves just because they\u2019re so abundant"));
    }

    void emptyFieldsStillTypeTheirLabels() {
        MeetingAgenda::MeetingData m;
        m.items = {{QStringLiteral("9"), QString(), QString(), QString()}};
        const Typed t(m);
        QCOMPARE(t.p(8).text(), QStringLiteral("Attendees:\t"));
        QCOMPARE(t.table().rows.size(), std::size_t(1));
        QCOMPARE(t.p(t.tableBlock() + 4).text(), QString());
    }

    void withoutAnApplicationEveryStepReportsOnItsOwn() {
        testing::ScriptedMessages messages;
        app::ErrorTrap trap(messages, QStringLiteral("MeetingAgenda"),
                            QStringLiteral("GenerateMeetingAgenda"));
        platform::Ref<word::Application> none;
        platform::Ref<word::Document> doc;
        MeetingAgenda::MeetingData m = entry::sampleMeeting();
        m.items.removeLast();
        MeetingAgenda::TypeAgenda(trap, none, doc, m);
        QList<int> lines;
        static const QRegularExpression at(QStringLiteral("at line (\\d+)"));
        for (const QString& text : messages.texts()) {
            QVERIFY(
                text.startsWith(QStringLiteral("Object variable or With block variable not set")));
            lines << at.match(text).captured(1).toInt();
        }
        QCOMPARE(lines.front(), 104);
        QCOMPARE(lines.back(), 304);
        QVERIFY(lines.contains(204)); // a failing test goes on with its branch
        QVERIFY(lines.contains(206));
        QVERIFY(!lines.contains(282)); // one item: the last row leaves the table
        QVERIFY(lines.contains(284));
        QCOMPARE(QSet<int>(lines.begin(), lines.end()).size(), lines.size());
    }
};

QTEST_MAIN(AgendaTypingTest)
#include "test_agenda_typing.moc"

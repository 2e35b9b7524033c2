// The sample agenda as the engine lays it out, written to
// agenda-sample.png in the working folder for a person to look at.
#include "entry/SampleMeeting.h"
#include "generation/AgendaTyping.h"
#include "platform/picture/Picture.h"
#include "platform/word/automation/Application.h"
#include "platform/word/automation/Document.h"
#include "platform/word/paint/PageRenderer.h"
#include "support/TypedAgenda.h"

#include <QtTest>

namespace {

// Where the first glyph of run `piece` of a line starts, from the margin.
double pieceX(const word::PageLine& line, int piece) {
    const auto& p = line.paragraph->lines.at(static_cast<std::size_t>(line.line))
                        .pieces.at(static_cast<std::size_t>(piece));
    return p.offset.x() + p.glyphs.positions().at(0).x();
}

} // namespace

class AgendaPictureTest : public QObject {
    Q_OBJECT

private slots:
    void theSampleAgendaPage() {
        const testing::TypedAgenda sample(MeetingAgenda::MeetingData(entry::sampleMeeting()));
        word::Layout& layout = sample.doc->layout();
        QCOMPARE(layout.pageCount(), 1);
        const word::Page& page = layout.page(0);

        // "AGENDA" ends on the right margin.
        const word::LineBox& agenda = page.lines.front().paragraph->lines.front();
        QCOMPARE(agenda.text, QStringLiteral("AGENDA"));
        QVERIFY(std::abs(agenda.right - 9360) <= 2);
        // The lists start at the first tab stop past their bold label: 1 inch.
        const auto attendees =
            std::find_if(page.lines.begin(), page.lines.end(), [](const auto& l) {
                return l.paragraph->lines.at(0).text.startsWith(QStringLiteral("Attendees:"));
            });
        QVERIFY(attendees != page.lines.end());
        QVERIFY(std::abs(pieceX(*attendees, 1) - 1440) < 2);
        // Two rows between double rules; the table runs 640 twips into the margin.
        QCOMPARE(page.rows.size(), std::size_t(2));
        QCOMPARE(page.right - 1440, 10000);
        QVERIFY(
            page.text.endsWith(QStringLiteral("Additional Information:\nBring extra butter\n")));

        QImage picture = word::renderPage(layout, 0, {192});
        QVERIFY(std::abs(platform::pictureTwipsSize(picture).width() - 10000) <= 1440 / 192);
        QVERIFY(picture.save(QStringLiteral("agenda-sample.png")));
    }
};

QTEST_MAIN(AgendaPictureTest)
#include "test_agenda_picture.moc"

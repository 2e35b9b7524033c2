// Agendas that put LibreOffice's layout rules to the test: lines that end
// within a few hundredths of a point of their width, runs of empty
// paragraphs across a page break, and characters the agenda's fonts lack.
#include "AgendaCases.h"

#include "entry/SampleMeeting.h"
#include "platform/word/automation/Application.h"
#include "platform/word/automation/Constants.h"
#include "platform/word/automation/Document.h"
#include "platform/word/layout/Layout.h"
#include "support/FakeClipboard.h"

#include <QStringList>

namespace agenda {

namespace {

// Texts whose first line ends within half a twip of the field's width, by
// LibreOffice's measure: the last word on the line just fits ("fits") or
// misses by a sixth to half a twip ("over"). One per field of the agenda:
// Roboto Black 14 pt over the page, Tahoma 11 and 10 pt over the page and
// after the reading list's tab, and Tahoma in the three cell widths.
struct NearFull {
    QString title, attendee, reading, additional, time, topic, details, room;
};

const NearFull kFits{
    QStringLiteral("vessel records fresh weighs dredge crew supply anchor wharf crates each "
                   "decision manifest pilot"),
    QStringLiteral("Anchor budget wharf proposal review agenda bosun ledger harbour budget kitchen "
                   "budget tariff against lobster tidal"),
    QStringLiteral("safety ledger crates rigging keel supply lobster tariff season rigging dredge "
                   "crates galley manifest anchor"),
    QStringLiteral("review lobster decision decision against galley anchor tidal wharf budget "
                   "committee quay dredge proposal galley mast lobster"),
    QStringLiteral("Crates cargo ledger fresh keel fresh season"),
    QStringLiteral("pilot committee against tidal crew pilot margin crates"),
    QStringLiteral("tidal galley margin season margin proposal tariff lobster records"),
    QStringLiteral("supplier supply mast mast crew agenda agenda bosun")};

const NearFull kOver{
    QStringLiteral("vessel lobster supplier galley safety bosun tariff ledger manifest manifest "
                   "wharf safety minutes"),
    QStringLiteral("fresh supplier tidal manifest crates tidal margin anchor crates decision "
                   "galley vessel quay rigging mast committee tidal"),
    QStringLiteral("Committee galley ledger cargo supply decision supply margin mast weighs review "
                   "budget galley kitchen"),
    QStringLiteral("Fresh budget tidal each records mast budget fresh anchor mast safety against "
                   "kitchen ledger each margin bosun cargo mast"),
    QStringLiteral("Supplier manifest lobster cargo minutes each"),
    QStringLiteral("Bosun kitchen crates crates bosun against anchor review"),
    QStringLiteral("Supply decision kitchen each dredge galley bosun minutes manifest"),
    QStringLiteral("Weighs against weighs decision kitchen tariff agenda")};

MeetingAgenda::MeetingData nearFull(const NearFull& t) {
    MeetingAgenda::MeetingData m = entry::sampleMeeting();
    m.title = t.title;
    m.attendees = QStringLiteral("Ann Lee\r\n") + t.attendee;
    m.reading = t.reading;
    m.additional = t.additional;
    m.items = {{t.time, t.topic, t.details, t.room},
               m.items.value(0),
               {t.room, t.time, t.topic, t.details}};
    return m;
}

// `items` agenda items and `attendees` attendee lines, then notes with a
// run of `blanks` empty lines.
MeetingAgenda::MeetingData blankRun(int items, int attendees, int blanks) {
    MeetingAgenda::MeetingData m = entry::sampleMeeting();
    const auto first = m.items;
    while (m.items.size() < items)
        m.items.append(first[m.items.size() % first.size()]);
    QStringList names;
    for (int i = 1; i <= attendees; ++i)
        names << QStringLiteral("Attendee %1").arg(i);
    m.attendees = names.join(QStringLiteral("\r\n"));
    m.additional = QStringLiteral("Notes follow.") + QStringLiteral("\r\n").repeated(blanks + 1) +
                   QStringLiteral("End of notes.");
    return m;
}

// True when an empty paragraph ends a page whose bottom margin its text
// clears but its multiple line spacing does not.
bool emptyLineHangsPastAPage(word::Layout& layout) {
    const int limit = layout.document().section.textHeight();
    for (int p = 0; p + 1 < layout.pageCount(); ++p) {
        const word::Page& page = layout.page(p);
        if (page.lines.empty())
            continue;
        const word::PageLine& last = page.lines.back();
        const word::LineBox& line = last.paragraph->lines[std::size_t(last.line)];
        if (line.text.isEmpty() && last.y + line.height > limit)
            return true;
    }
    return false;
}

// Blank runs of several lengths across the first page break, the first of
// them with its last empty line kept by the hanging spacing.
std::vector<Case> blankRunCases() {
    testing::FakeClipboard clipboard;
    auto app = word::Application::create(clipboard);
    std::vector<Case> cases;
    // The lines above the notes set where the blank run meets the page's
    // end: items move it by 650 twips, attendee lines by 397.
    for (int attendees = 1; attendees <= 12 && cases.empty(); ++attendees) {
        for (int items = 1; items <= 6 && cases.empty(); ++items) {
            const auto meeting = blankRun(items, attendees, 40);
            auto doc = buildAgenda(app, meeting);
            if (emptyLineHangsPastAPage(doc->layout()))
                cases.push_back({QStringLiteral("blank-run-hang"), meeting});
            doc->Close(word::wd::DoNotSaveChanges);
        }
    }
    app->Quit();
    cases.push_back({QStringLiteral("blank-run-short"), blankRun(2, 3, 30)});
    cases.push_back({QStringLiteral("blank-run-long"), blankRun(5, 3, 60)});
    return cases;
}

// Emoji, symbols and other scripts in every kind of run of the agenda,
// tabs after some of them; and a few characters no installed face has.
MeetingAgenda::MeetingData fallbackGlyphs() {
    MeetingAgenda::MeetingData m = entry::sampleMeeting();
    m.title = QStringLiteral("Lobster summit \u2605 2024 \u2600 \u2192 \U0001F600");
    m.caller = QStringLiteral("Ann \u2665 Lee");
    m.attendees = QStringLiteral("\u2713\tAnn Lee\r\n\u2717\tBo Chen\r\n\u260E 555-0100\t(desk)");
    m.reading = QStringLiteral("\u03A9mega report \u2192 chapter 3 \u2665 \u20B9 \u2032");
    m.supplies = QStringLiteral("\u20AC 20 \u2318 keys \u26A0 gloves \u2708 tickets \u2744");
    m.additional = QStringLiteral(
        "Hebrew \u05E2\u05D1\u05E8\u05D9\u05EA, Georgian "
        "\u10E5\u10D0\u10E0\u10D7\u10E3\u10DA\u10D8, "
        "Armenian \u0540\u0561\u0575, math \U0001D504\U0001D54F, emoji \U0001F600\U0001F602, "
        "shapes \u25A0\u25B2\u25CF\u25C6, no face: \u65E5\u672C \U0001F389.");
    m.items = {{QStringLiteral("\u23F0 9:00"), QStringLiteral("\u2605 Budget \u2600"),
                QStringLiteral("Check \u2713 and \u2717 marks \u2192 \u21D2 done"),
                QStringLiteral("Rm \u2663 3")},
               m.items.value(1)};
    return m;
}

} // namespace

std::vector<Case> fidelityCases() {
    std::vector<Case> cases{{QStringLiteral("near-full-fits"), nearFull(kFits)},
                            {QStringLiteral("near-full-over"), nearFull(kOver)}};
    for (Case& c : blankRunCases())
        cases.push_back(std::move(c));
    cases.push_back({QStringLiteral("fallback"), fallbackGlyphs()});
    return cases;
}

} // namespace agenda

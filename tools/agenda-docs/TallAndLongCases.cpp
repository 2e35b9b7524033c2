// Agendas whose table outgrows the page: items taller than a page, long
// tables of rows of varied heights, and words longer than their column.
#include "AgendaCases.h"

#include "entry/SampleMeeting.h"

#include <QStringList>

namespace agenda {

namespace {

const QString kSentences[] = {
    QStringLiteral("The committee weighs each proposal against the budget and the season."),
    QStringLiteral("Fresh lobster is landed at the north wharf before dawn."),
    QStringLiteral("Each crate is weighed, tagged and logged in the ledger by the harbour master."),
    QStringLiteral("Suppliers report their prices by Friday."),
    QStringLiteral("The kitchen asks for gloves, knives, and twenty more pots."),
    QStringLiteral("Minutes of the last meeting are read and approved without changes."),
    QStringLiteral("Open questions go to the end of the agenda.")};

// About `words` words of details, a paragraph every `perParagraph`
// sentences (none when 0).
QString details(int words, int perParagraph) {
    QString text;
    int count = 0;
    for (int s = 0; count < words; ++s) {
        const QString& sentence = kSentences[s % std::size(kSentences)];
        if (!text.isEmpty())
            text += perParagraph > 0 && s % perParagraph == 0 ? QStringLiteral("\r\n")
                                                              : QStringLiteral(" ");
        text += sentence;
        count += static_cast<int>(sentence.count(QLatin1Char(' '))) + 1;
    }
    return text;
}

entry::AgendaItem item(int i, const QString& topic, const QString& detailText) {
    return {QStringLiteral("%1:%2 AM").arg(8 + i / 4).arg((i % 4) * 15, 2, 10, QLatin1Char('0')),
            topic, detailText, QStringLiteral("Rm %1").arg(100 + i)};
}

// Five items, the one at `tall` with `words` words of details.
MeetingAgenda::MeetingData tallItem(int tall, int words, int perParagraph) {
    MeetingAgenda::MeetingData m = entry::sampleMeeting();
    m.items.clear();
    for (int i = 0; i < 5; ++i)
        m.items.append(
            item(i, QStringLiteral("Item %1").arg(i + 1),
                 i == tall ? details(words, perParagraph) : QStringLiteral("A short point.")));
    return m;
}

// `count` items whose topics, details and rooms run to one, two or three
// lines in a pattern that does not repeat with the page.
MeetingAgenda::MeetingData variedRows(int count, int seed) {
    MeetingAgenda::MeetingData m = entry::sampleMeeting();
    m.items.clear();
    for (int i = 0; i < count; ++i) {
        const int k = (i * 7 + seed) % 11;
        const QString topic =
            k % 2 ? QStringLiteral("Budget review of the harbour works %1").arg(i + 1)
                  : QStringLiteral("Budget %1").arg(i + 1);
        QStringList lines;
        for (int l = 0; l <= k % 3; ++l)
            lines << kSentences[(i + l) % std::size(kSentences)];
        const QString detail =
            k % 4 == 3 ? lines.join(QStringLiteral("\r\n")) : lines.join(QLatin1Char(' '));
        entry::AgendaItem it = item(i, topic, detail);
        if (k == 5)
            it.room = QStringLiteral("North wharf store room %1").arg(i);
        m.items.append(it);
    }
    return m;
}

// The two-line topics and two- and three-line details of a long agenda.
MeetingAgenda::MeetingData twoLineTopics(int count) {
    MeetingAgenda::MeetingData m = entry::sampleMeeting();
    m.items.clear();
    for (int i = 0; i < count; ++i)
        m.items.append(
            item(i, QStringLiteral("Supplier update and review of point %1").arg(i + 1),
                 i % 2 ? QStringLiteral("%1 %2 %3").arg(kSentences[0], kSentences[1], kSentences[3])
                       : QStringLiteral("%1 %2").arg(kSentences[2], kSentences[6])));
    return m;
}

// Words longer than their column in every field of the agenda.
MeetingAgenda::MeetingData longWords() {
    MeetingAgenda::MeetingData m = entry::sampleMeeting();
    const QString word = QStringLiteral(
        "Lobsterfisheriesharbourmastersupplierwharfcommitteebudgetreviewseasonledger");
    m.title = word + word;
    m.items = {{QStringLiteral("Halfpastnineuntiltwelveoclock"), word,
                word + QStringLiteral(" ") + word, QStringLiteral("Room-101-North-Wharf")},
               {QStringLiteral("10:00"), QStringLiteral("W").repeated(40),
                QStringLiteral("https://example.org/lobster/fisheries/harbour/master/"
                               "supplier/wharf/committee?budget=review&season=ledger"),
                QStringLiteral("0123456789").repeated(3)},
               {QStringLiteral("11:00"), QStringLiteral("iiiiiiiiii").repeated(8),
                QStringLiteral("mmmmmmmmmm").repeated(6), QStringLiteral("Rm 3")}};
    return m;
}

} // namespace

std::vector<Case> tallAndLongCases() {
    return {{QStringLiteral("tall-first-1"), tallItem(0, 450, 0)},
            {QStringLiteral("tall-first-2"), tallItem(0, 850, 3)},
            {QStringLiteral("tall-first-5"), tallItem(0, 1900, 4)},
            {QStringLiteral("tall-middle-1"), tallItem(2, 450, 2)},
            {QStringLiteral("tall-middle-2"), tallItem(2, 850, 0)},
            {QStringLiteral("tall-middle-5"), tallItem(2, 1900, 5)},
            {QStringLiteral("tall-3000-words"), tallItem(1, 3000, 0)},
            {QStringLiteral("long-two-line-topics"), twoLineTopics(200)},
            {QStringLiteral("long-varied-300"), variedRows(300, 0)},
            {QStringLiteral("long-varied-500"), variedRows(500, 3)},
            {QStringLiteral("long-words"), longWords()}};
}

} // namespace agenda

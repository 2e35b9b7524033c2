#include "AgendaCases.h"

#include "app/StepRunner.h"
#include "entry/SampleMeeting.h"
#include "platform/word/automation/Application.h"
#include "platform/word/automation/Document.h"

#include <QStringList>

namespace agenda {

namespace {

MeetingAgenda::MeetingData withItems(int count) {
    MeetingAgenda::MeetingData m = entry::sampleMeeting();
    m.items.clear();
    const QString topics[] = {QStringLiteral("Budget review"), QStringLiteral("Supplier update"),
                              QStringLiteral("Kitchen safety"), QStringLiteral("Open questions")};
    for (int i = 0; i < count; ++i) {
        const QString time = QStringLiteral("%1:%2 %3")
                                 .arg((8 + i / 4) % 12 + 1)
                                 .arg((i % 4) * 15, 2, 10, QLatin1Char('0'))
                                 .arg(i / 4 < 4 ? QStringLiteral("AM") : QStringLiteral("PM"));
        m.items.append(
            {time, topics[i % 4] + QStringLiteral(" %1").arg(i + 1),
             QStringLiteral("Discussion of point %1 and what follows from it.").arg(i + 1),
             QStringLiteral("Rm %1").arg(100 + i % 30)});
    }
    return m;
}

QString lines(const QString& stem, int count) {
    QStringList result;
    for (int i = 1; i <= count; ++i)
        result << QStringLiteral("%1 %2").arg(stem).arg(i);
    return result.join(QStringLiteral("\r\n"));
}

MeetingAgenda::MeetingData longLists() {
    MeetingAgenda::MeetingData m = withItems(6);
    m.attendees = lines(QStringLiteral("Attendee with a fairly long name number"), 30);
    m.reading = lines(QStringLiteral("A report on the state of the lobster fisheries, volume"), 12);
    m.supplies = lines(QStringLiteral("Crate of tools"), 15);
    return m;
}

MeetingAgenda::MeetingData longDetails() {
    MeetingAgenda::MeetingData m = withItems(8);
    const QString sentence = QStringLiteral(
        "The committee weighs each proposal against the budget, the season and the supply of "
        "fresh lobster, and records its decision in the minutes. ");
    for (int i = 0; i < m.items.size(); ++i)
        m.items[i].details = sentence.repeated(i % 4 * 3 + 2).trimmed();
    m.additional = sentence.repeated(10).trimmed();
    return m;
}

MeetingAgenda::MeetingData emptyFields() {
    MeetingAgenda::MeetingData m;
    m.items = {{QString(), QString(), QString(), QString()},
               {QStringLiteral("9:00 AM"), QString(), QString(), QString()}};
    return m;
}

MeetingAgenda::MeetingData nonLatin() {
    MeetingAgenda::MeetingData m;
    m.title = QStringLiteral("Собрание любителей омаров · Συνάντηση");
    m.date = QStringLiteral("Août 2013 — Ağustos");
    m.caller = QStringLiteral("Ŝtefan Dvořák");
    m.attendees = QStringLiteral("Иван Петров\r\nΜαρία Παπαδοπούλου\r\nZoë Ærøskøbing\r\nŁukasz "
                                 "Żółć");
    m.reading = QStringLiteral("«Тайная жизнь омаров» — Ханс Пенсе");
    m.supplies = QStringLiteral("Щипцы\r\nΜαχαίρια\r\nÉpuisettes");
    m.additional = QStringLiteral("Не забудьте масло. Μην ξεχάσετε το βούτυρο.");
    m.items = {{QStringLiteral("12:00"), QStringLiteral("Каннибализм омаров"),
                QStringLiteral("Омары поедают друг друга, потому что их так много."),
                QStringLiteral("Ауд. 121")},
               {QStringLiteral("13:00"), QStringLiteral("Κατεψυγμένος αστακός"),
                QStringLiteral("Αξίζει να τον φάμε;"), QStringLiteral("Αίθ. 121")}};
    return m;
}

} // namespace

std::vector<Case> comparisonCases() {
    return {{QStringLiteral("sample"), entry::sampleMeeting()},
            {QStringLiteral("items-1"), withItems(1)},
            {QStringLiteral("items-12"), withItems(12)},
            {QStringLiteral("items-40"), withItems(40)},
            {QStringLiteral("items-200"), withItems(200)},
            {QStringLiteral("long-lists"), longLists()},
            {QStringLiteral("long-details"), longDetails()},
            {QStringLiteral("empty-fields"), emptyFields()},
            {QStringLiteral("non-latin"), nonLatin()}};
}

std::shared_ptr<word::Document> buildAgenda(const std::shared_ptr<word::Application>& app,
                                            const MeetingAgenda::MeetingSource& meeting) {
    app::StrictSteps run;
    platform::Ref<word::Application> wordApp(app);
    platform::Ref<word::Document> doc;
    MeetingAgenda::TypeAgenda(run, wordApp, doc, meeting);
    return doc.shared();
}

} // namespace agenda

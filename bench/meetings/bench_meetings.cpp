// Opening a meeting file of 1,000 agenda items (read from disk and decoded)
// and importing a calendar invitation (read, parsed, the meeting filled):
// each should take well under 50 ms.
#include "entry/Invitation.h"
#include "entry/MeetingFile.h"
#include "support/TypedAgenda.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "../OffscreenMain.h"

namespace {

namespace MeetingFile = entry::MeetingFile;

void BM_OpenMeetingFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("meeting.quillary"));
    if (!MeetingFile::save(path, testing::sampleWithItems(int(state.range(0)))).isEmpty())
        state.SkipWithError("cannot write the meeting file");
    for (auto _ : state) {
        const MeetingFile::ReadResult result = MeetingFile::read(path);
        benchmark::DoNotOptimize(result.meeting->items.size());
    }
    state.counters["kB"] = double(QFile(path).size()) / 1024;
}
BENCHMARK(BM_OpenMeetingFile)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_SaveMeetingFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("meeting.quillary"));
    const entry::Meeting meeting = testing::sampleWithItems(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(MeetingFile::save(path, meeting));
}
BENCHMARK(BM_SaveMeetingFile)->Arg(1000)->Unit(benchmark::kMillisecond);

// An invitation as a calendar program sends it: a time zone, a weekly
// series, an organiser and `attendees` attendees.
QByteArray invitation(int attendees) {
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//EN\r\nMETHOD:REQUEST\r\n"
                      "BEGIN:VTIMEZONE\r\nTZID:Office Time\r\nBEGIN:STANDARD\r\n"
                      "DTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                      "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\n"
                      "BEGIN:DAYLIGHT\r\nDTSTART:19700329T020000\r\n"
                      "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nTZOFFSETFROM:+0100\r\n"
                      "TZOFFSETTO:+0200\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n"
                      "BEGIN:VEVENT\r\nUID:bench@example.org\r\nDTSTAMP:20250101T000000Z\r\n"
                      "SUMMARY:Weekly planning\\, all teams\r\n"
                      "DTSTART;TZID=Office Time:20250115T090000\r\n"
                      "DTEND;TZID=Office Time:20250115T103000\r\nRRULE:FREQ=WEEKLY;COUNT=52\r\n"
                      "ORGANIZER;CN=Dana Okafor:mailto:dana@example.org\r\n"
                      "LOCATION:Room 4\r\nDESCRIPTION:Agenda to follow.\\nBring your laptop.\r\n";
    for (int i = 0; i < attendees; ++i)
        text += QStringLiteral("ATTENDEE;CN=Person %1;ROLE=REQ-PARTICIPANT;RSVP=TRUE:mailto:p%1@"
                               "example.org\r\n")
                    .arg(i)
                    .toUtf8();
    return text + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

void BM_ImportInvitation(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("invite.ics"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(invitation(int(state.range(0)))) < 0)
        state.SkipWithError("cannot write the invitation");
    file.close();
    const entry::Meeting meeting = testing::sampleWithItems(20);
    for (auto _ : state) {
        const entry::Meeting filled =
            entry::withInvitation(meeting, entry::readInvitationFile(path));
        benchmark::DoNotOptimize(filled.attendees.size());
    }
}
BENCHMARK(BM_ImportInvitation)->Arg(10)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runOffscreenBenchmarks<QCoreApplication>(argc, argv);
}

#include "entry/Invitation.h"

#include <QtTest>

using entry::Invitation;
using entry::Meeting;
using entry::readInvitation;

namespace {

const QLocale kLocale(QLocale::English, QLocale::UnitedStates);
const QTimeZone kBerlin("Europe/Berlin"); // UTC+1 in January, +2 in July

QByteArray calendar(const QByteArray& events, const QByteArray& head = {}) {
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tests//Quillary//EN\r\n" + head +
                      events + "END:VCALENDAR\r\n";
    return text;
}

QByteArray vevent(const QByteArray& lines) {
    return "BEGIN:VEVENT\r\nUID:1@example.org\r\nDTSTAMP:20250101T000000Z\r\n" + lines +
           "END:VEVENT\r\n";
}

Invitation read(const QByteArray& text) {
    return readInvitation(text, kLocale, kBerlin);
}

QString day(int y, int m, int d) {
    return kLocale.toString(QDate(y, m, d), QLocale::LongFormat);
}

QString clock(int h, int m) {
    return kLocale.toString(QTime(h, m), QLocale::ShortFormat);
}

// The date text of a meeting on one day from `from` to `to`.
QString span(QDate date, QTime from, QTime to) {
    return QStringLiteral("%1, %2\u2013%3")
        .arg(kLocale.toString(date, QLocale::LongFormat),
             kLocale.toString(from, QLocale::ShortFormat),
             kLocale.toString(to, QLocale::ShortFormat));
}

} // namespace

class TestInvitation : public QObject {
    Q_OBJECT
private slots:
    void aTypicalInvitationFillsEveryField() {
        // Folded lines (a space or a tab continues the line), escaped
        // commas, semicolons and line breaks; times in UTC.
        const auto inv = read(
            calendar(vevent("SUMMARY:Budget\\, staffing and plans\r\n"
                            "DTSTART:20250115T140000Z\r\nDTEND:20250115T153000Z\r\n"
                            "ORGANIZER;CN=\"Dana Okafor\":mailto:dana@example.org\r\n"
                            "ATTENDEE;CN=Ann Lee;ROLE=REQ-PARTICIPANT:mailto:ann@example.org\r\n"
                            "ATTENDEE;RSVP=TRUE:MAILTO:bob@example.org\r\n"
                            "ATTENDEE;CN=\"Ng, Cy\":mailto:cy@example.org\r\n"
                            "LOCATION:Room 4\\, second floor\r\n"
                            "DESCRIPTION:Please read the report before the meeting\\; it is lon\r\n"
                            " g.\\nBring\r\n\t your laptop.\r\n"),
                     "METHOD:REQUEST\r\n"));
        QVERIFY2(inv.error.isEmpty(), qPrintable(inv.error));
        QCOMPARE(inv.title, QString("Budget, staffing and plans"));
        QCOMPARE(inv.date, span(QDate(2025, 1, 15), QTime(15, 0), QTime(16, 30)));
        QCOMPARE(inv.caller, QString("Dana Okafor"));
        QCOMPARE(inv.attendees, QString("Ann Lee\r\nbob@example.org\r\nNg, Cy"));
        QCOMPARE(inv.additional, QString("Room 4, second floor\r\nPlease read the report before "
                                         "the meeting; it is long.\r\nBring your laptop."));
        QVERIFY(inv.notes.isEmpty());
    }

    void organiserWithoutANameGivesTheAddress() {
        const auto inv = read(
            calendar(vevent("DTSTART:20250115T140000Z\r\nORGANIZER:mailto:boss@example.org\r\n")));
        QCOMPARE(inv.caller, QString("boss@example.org"));
        QVERIFY(!inv.title && !inv.attendees && !inv.additional);
    }

    void aTimeZoneOfTheFileIsConvertedToTheUsersZone() {
        // A zone of the file's own name, at UTC-5 all winter.
        const QByteArray zone = "BEGIN:VTIMEZONE\r\nTZID:Office Time\r\n"
                                "BEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
                                "TZOFFSETFROM:-0500\r\nTZOFFSETTO:-0500\r\nTZNAME:EST\r\n"
                                "END:STANDARD\r\nEND:VTIMEZONE\r\n";
        const auto inv = read(calendar(vevent("DTSTART;TZID=Office Time:20250115T090000\r\n"
                                              "DTEND;TZID=Office Time:20250115T100000\r\n"),
                                       zone));
        QCOMPARE(inv.date, span(QDate(2025, 1, 15), QTime(15, 0), QTime(16, 0)));
    }

    void zonesTheFileOnlyNames() {
        // An IANA name and a Windows name without VTIMEZONE; a time without
        // a zone is the user's own.
        QCOMPARE(read(calendar(vevent("DTSTART;TZID=America/New_York:20250715T090000\r\n"))).date,
                 QString("%1, %2").arg(day(2025, 7, 15), clock(15, 0)));
        QCOMPARE(
            read(calendar(vevent("DTSTART;TZID=Tokyo Standard Time:20250115T180000\r\n"))).date,
            QString("%1, %2").arg(day(2025, 1, 15), clock(10, 0)));
        QCOMPARE(read(calendar(vevent("DTSTART:20250115T180000\r\n"))).date,
                 QString("%1, %2").arg(day(2025, 1, 15), clock(18, 0)));
    }

    void aDurationInsteadOfAnEnd() {
        QCOMPARE(read(calendar(vevent("DTSTART:20250115T140000Z\r\nDURATION:PT45M\r\n"))).date,
                 span(QDate(2025, 1, 15), QTime(15, 0), QTime(15, 45)));
        QCOMPARE(read(calendar(vevent("DTSTART;VALUE=DATE:20250310\r\nDURATION:P2D\r\n"))).date,
                 QString("%1 \u2013 %2").arg(day(2025, 3, 10), day(2025, 3, 11)));
    }

    void aMeetingPastMidnightNamesBothDays() {
        const auto inv =
            read(calendar(vevent("DTSTART:20250115T220000Z\r\nDTEND:20250116T010000Z\r\n")));
        QCOMPARE(inv.date, QString("%1, %2 \u2013 %3, %4")
                               .arg(day(2025, 1, 15), clock(23, 0), day(2025, 1, 16), clock(2, 0)));
    }

    void allDayEvents() {
        QCOMPARE(read(calendar(vevent("DTSTART;VALUE=DATE:20250310\r\n"
                                      "DTEND;VALUE=DATE:20250311\r\n")))
                     .date,
                 day(2025, 3, 10));
        QCOMPARE(read(calendar(vevent("DTSTART;VALUE=DATE:20250310\r\n"))).date, day(2025, 3, 10));
        QCOMPARE(read(calendar(vevent("DTSTART;VALUE=DATE:20250310\r\n"
                                      "DTEND;VALUE=DATE:20250313\r\n")))
                     .date,
                 QString("%1 \u2013 %2").arg(day(2025, 3, 10), day(2025, 3, 12)));
    }

    void aRecurringMeetingGivesItsFirstOccurrence() {
        const QByteArray series =
            vevent("SUMMARY:Weekly\r\nDTSTART:20250106T090000Z\r\n"
                   "DTEND:20250106T100000Z\r\nRRULE:FREQ=WEEKLY;COUNT=10\r\n");
        // A changed occurrence written before its series is not the meeting.
        const QByteArray moved =
            vevent("SUMMARY:Weekly (moved)\r\nRECURRENCE-ID:20250113T090000Z\r\n"
                   "DTSTART:20250114T090000Z\r\nDTEND:20250114T100000Z\r\n");
        const auto inv = read(calendar(moved + series));
        QCOMPARE(inv.title, QString("Weekly"));
        QCOMPARE(inv.date, span(QDate(2025, 1, 6), QTime(10, 0), QTime(11, 0)));
        QCOMPARE(inv.notes.size(), 1); // one event with a changed occurrence
        QVERIFY(inv.notes[0].contains("repeats"));
    }

    void aCancelledMeetingIsSaidSo() {
        const auto status = read(calendar(vevent("SUMMARY:Off\r\nSTATUS:CANCELLED\r\n")));
        QCOMPARE(status.title, QString("Off"));
        QCOMPARE(status.notes.size(), 1);
        QVERIFY(status.notes[0].contains("cancelled"));
        const auto method = read(calendar(vevent("SUMMARY:Off\r\n"), "METHOD:CANCEL\r\n"));
        QCOMPARE(method.notes, status.notes);
    }

    void severalEventsUseTheFirst() {
        QByteArray second = vevent("SUMMARY:Second\r\n");
        second.replace("UID:1@", "UID:2@");
        const auto inv = read(calendar(vevent("SUMMARY:First\r\n") + second));
        QCOMPARE(inv.title, QString("First"));
        QCOMPARE(inv.notes.size(), 1);
        QVERIFY2(inv.notes[0].contains("2 events"), qPrintable(inv.notes[0]));
    }

    void brokenAndForeignFiles() {
        for (const QByteArray& notCalendar :
             {QByteArray(), QByteArray("Hello, world\n"), QByteArray("{\"format\":1}"),
              QByteArray("BEGIN:VCARD\r\nFN:Ann\r\nEND:VCARD\r\n"), QByteArray("\0\1\2", 3)}) {
            const auto inv = read(notCalendar);
            QVERIFY2(inv.error.contains("not a calendar"), notCalendar.constData());
            QVERIFY(!inv.title && !inv.date);
        }
        QVERIFY(read(calendar("")).error.contains("no event"));
        // Broken lines and a missing end are passed over; what can be read is.
        const auto inv = read("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Kept\r\n"
                              "DTSTART:2025-01-15 nonsense\r\n;;;:\r\nATTENDEE;CN=\r\n"
                              "ORGANIZER;CN=X;;;\r\n");
        QVERIFY2(inv.error.isEmpty(), qPrintable(inv.error));
        QCOMPARE(inv.title, QString("Kept"));
        QVERIFY(!inv.date);
        QVERIFY(read(QByteArray(entry::InvitationFile::kMaxBytes + 1, 'A'))
                    .error.contains("too large"));
    }

    void onlyWhatTheFileSaysChangesTheMeeting() {
        Meeting m;
        m.title = "Old title";
        m.date = "Old date";
        m.caller = "Old caller";
        m.reading = "Keep reading";
        m.supplies = "Keep supplies";
        m.items = {{"9:00", "Kept", "", ""}};
        const Meeting after =
            entry::withInvitation(m, read(calendar(vevent("SUMMARY:New title\r\n"
                                                          "ATTENDEE:mailto:a@example.org\r\n"))));
        QCOMPARE(after.title, QString("New title"));
        QCOMPARE(after.attendees, QString("a@example.org"));
        QCOMPARE(after.date, m.date);
        QCOMPARE(after.caller, m.caller);
        QCOMPARE(after.reading, m.reading);
        QCOMPARE(after.supplies, m.supplies);
        QCOMPARE(after.additional, QString());
        QCOMPARE(after.items, m.items);
    }
};

QTEST_GUILESS_MAIN(TestInvitation)
#include "test_invitation.moc"

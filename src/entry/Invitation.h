#pragma once

#include "Meeting.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <optional>

namespace entry {

// What a calendar invitation (an iCalendar file, ".ics") says about a
// meeting: the texts it fills, each absent when the file does not say.
// Only the first event counts.
struct Invitation {
    std::optional<QString> title;      // SUMMARY
    std::optional<QString> date;       // DTSTART and DTEND, as the locale writes them
    std::optional<QString> caller;     // ORGANIZER's name, else its address
    std::optional<QString> attendees;  // ATTENDEEs' names, else addresses, a line each
    std::optional<QString> additional; // LOCATION, then DESCRIPTION
    // What the user should know about the import (several events, a
    // repeating or cancelled meeting): a sentence each.
    QStringList notes;
    // Why nothing could be read; empty when the file is a calendar.
    QString error;
};

namespace InvitationFile {
inline const QString kSuffix = QStringLiteral("ics");
inline const QString kMimeType = QStringLiteral("text/calendar");
// Larger files are refused before they are parsed.
inline constexpr qint64 kMaxBytes = 16 * 1024 * 1024;
} // namespace InvitationFile

// Reads an iCalendar text. Times are written in `zone` (the user's own zone
// by default) in `locale`'s long date and short time formats.
Invitation readInvitation(const QByteArray& bytes, const QLocale& locale = QLocale(),
                          const QTimeZone& zone = QTimeZone::systemTimeZone());
// The file on disk: as readInvitation(), or an error when it cannot be read.
Invitation readInvitationFile(const QString& path);

// The meeting with what the invitation says: fields it does not fill and
// the agenda items stay as they are.
Meeting withInvitation(Meeting meeting, const Invitation& invitation);

} // namespace entry

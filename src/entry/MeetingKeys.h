#pragma once

#include <QString>

namespace entry {

// Keys of the meeting in the settings store.
namespace MeetingKeys {
inline const QString MeetingTitle = QStringLiteral("Meeting Title");
inline const QString DateOfMeeting = QStringLiteral("Date of Meeting");
inline const QString CalledBy = QStringLiteral("Called By");
inline const QString AttendeeList = QStringLiteral("Attendee List");
inline const QString ReadingList = QStringLiteral("Reading List");
inline const QString SuppliesList = QStringLiteral("Supplies List");
inline const QString AdditionalInstruction = QStringLiteral("Additional Instruction");
inline const QString Time = QStringLiteral("Time"); // the encoded agenda list
} // namespace MeetingKeys

} // namespace entry

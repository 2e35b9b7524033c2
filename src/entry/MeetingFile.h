#pragma once

#include "Meeting.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace entry {

// The meeting file (".quillary"): the seven texts and the agenda items as a
// small JSON object.
//
//   { "format": "quillary-meeting", "version": 1,
//     "title": "...", "date": "...", "calledBy": "...", "attendees": "...",
//     "reading": "...", "supplies": "...", "additional": "...",
//     "items": [ { "time": "...", "topic": "...", "details": "...", "room": "..." } ] }
//
// Texts are kept exactly (line breaks, "|" and "^" included). A reader of
// version 1 takes a missing text as empty and ignores keys it does not know;
// a file of a later version is refused, since it may hold what this reader
// would silently drop.
namespace MeetingFile {

inline constexpr int kVersion = 1;
inline const QString kFormat = QStringLiteral("quillary-meeting");
inline const QString kSuffix = QStringLiteral("quillary");
inline const QString kMimeType = QStringLiteral("application/x-quillary-meeting");
// Larger files are refused before they are parsed: 10,000 long items fit
// many times over.
inline constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

// A meeting read from a file, or why none could be.
struct ReadResult {
    std::optional<Meeting> meeting;
    QString error; // one sentence for the user; empty when read
};

QByteArray encode(const Meeting& meeting);
ReadResult decode(const QByteArray& bytes);

// The file on disk. Reading refuses what decode() refuses, files that cannot
// be read and files over kMaxBytes. Saving writes a new file beside the
// target and renames it over the old one; it returns an error sentence, or
// an empty text when saved.
ReadResult read(const QString& path);
QString save(const QString& path, const Meeting& meeting);

} // namespace MeetingFile

} // namespace entry

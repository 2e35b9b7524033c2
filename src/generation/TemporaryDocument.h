#pragma once

#include <QString>

class QRandomGenerator;

namespace MeetingAgenda {

// "ovelund" and eight digits from 1 to 9.
QString DrawTemporaryName(QRandomGenerator& random);

// Creates `path` as a new, empty file that only the user can read, without
// following a link and without touching a file that is there already.
// False when the name is taken; fails with a description on any other error.
bool ClaimTemporaryFile(const QString& path);

} // namespace MeetingAgenda

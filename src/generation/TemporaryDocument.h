#pragma once

#include <QString>

class QRandomGenerator;

namespace MeetingAgenda {

// "ovelund" and eight digits from 1 to 9.
QString DrawTemporaryName(QRandomGenerator& random);

} // namespace MeetingAgenda

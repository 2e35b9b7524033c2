#pragma once

#include "AgendaItem.h"

#include <QList>
#include <QString>

namespace entry {

// The sample meeting that "Load Sample/Example Data" puts into the window.
struct SampleMeeting {
    static const QString meetingTitle;
    static const QString dateOfMeeting;
    static const QString calledBy;
    static const QString attendeeList;
    static const QString readingList;
    static const QString suppliesList;
    static const QString additionalInstruction;
    static const QList<AgendaItem> items;
};

} // namespace entry

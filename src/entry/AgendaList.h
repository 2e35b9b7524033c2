#pragma once

#include "AgendaItem.h"

#include <QList>

class QTreeWidget;

namespace entry {

// The agenda rows of a report-style list: the row's text is the time,
// sub-items 1 to 3 are topic, details and room.
namespace AgendaList {

enum Column { TimeColumn = 0, TopicColumn = 1, DetailsColumn = 2, RoomColumn = 3 };

void appendRow(QTreeWidget& list, const AgendaItem& item);
int rowCount(const QTreeWidget& list);
AgendaItem row(const QTreeWidget& list, int index);
QList<AgendaItem> rows(const QTreeWidget& list);

} // namespace AgendaList
} // namespace entry

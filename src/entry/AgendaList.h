#pragma once

#include "AgendaItem.h"

#include <QList>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

namespace entry {

// The agenda rows of a report-style list: the row's text is the time,
// sub-items 1 to 3 are topic, details and room.
namespace AgendaList {

enum Column { TimeColumn = 0, TopicColumn = 1, DetailsColumn = 2, RoomColumn = 3 };
inline constexpr int kColumns = 4;

// True when `text` is empty once its leading and trailing spaces are
// left out: a time, topic or room that the list does not accept.
bool blankAfterTrim(const QString& text);

// A new row with `texts` from the first column on: editable and draggable,
// never a drop target of its own (rows are dropped between rows).
QTreeWidgetItem* makeRow(const QStringList& texts = {});
void appendRow(QTreeWidget& list, const AgendaItem& item);
void insertRow(QTreeWidget& list, int index, const AgendaItem& item);
int rowCount(const QTreeWidget& list);
AgendaItem row(const QTreeWidget& list, int index);
QList<AgendaItem> rows(const QTreeWidget& list);

// Makes the list hold `items`, changing only the rows that differ: rows
// the two share at the start and at the end are kept, a changed row of the
// same position gets its new texts, the others are removed or inserted.
void replaceRows(QTreeWidget& list, const QList<AgendaItem>& items);

// Positions of the selected rows, in list order.
QList<int> selectedRows(const QTreeWidget& list);
// Selects exactly `rows`; the first becomes the current row.
void selectRows(QTreeWidget& list, const QList<int>& rows);

// Moves `rows` (in list order) to stand, in their order, before the row
// now at `destination` (the row count: to the end). Returns their new
// positions.
QList<int> moveRows(QTreeWidget& list, const QList<int>& rows, int destination);

} // namespace AgendaList
} // namespace entry

#include "AgendaList.h"

#include "../platform/errors/RuntimeError.h"

#include <QTreeWidget>

namespace entry::AgendaList {

void appendRow(QTreeWidget& list, const AgendaItem& item) {
    auto* row = new QTreeWidgetItem({item.time, item.topic, item.details, item.room});
    list.addTopLevelItem(row);
}

int rowCount(const QTreeWidget& list) {
    return list.topLevelItemCount();
}

AgendaItem row(const QTreeWidget& list, int index) {
    const QTreeWidgetItem* item = list.topLevelItem(index);
    if (!item)
        throw platform::RuntimeError(QStringLiteral("Index out of bounds"));
    return {item->text(TimeColumn), item->text(TopicColumn), item->text(DetailsColumn),
            item->text(RoomColumn)};
}

QList<AgendaItem> rows(const QTreeWidget& list) {
    QList<AgendaItem> out;
    out.reserve(rowCount(list));
    for (int i = 0; i < rowCount(list); ++i)
        out << row(list, i);
    return out;
}

} // namespace entry::AgendaList

#include "AgendaList.h"

#include "../platform/errors/RuntimeError.h"

#include <QItemSelectionModel>
#include <QTreeWidget>

#include <QCoreApplication>
#include <algorithm>

namespace entry::AgendaList {

namespace {

QStringList textsOf(const AgendaItem& item) {
    return {item.time, item.topic, item.details, item.room};
}

} // namespace

bool blankAfterTrim(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' '))
        ++start;
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    return start == end;
}

QTreeWidgetItem* makeRow(const QStringList& texts) {
    auto* row = new QTreeWidgetItem(texts);
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable |
                  Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren);
    return row;
}

void appendRow(QTreeWidget& list, const AgendaItem& item) {
    list.addTopLevelItem(makeRow(textsOf(item)));
}

void insertRow(QTreeWidget& list, int index, const AgendaItem& item) {
    list.insertTopLevelItem(index, makeRow(textsOf(item)));
}

int rowCount(const QTreeWidget& list) {
    return list.topLevelItemCount();
}

AgendaItem row(const QTreeWidget& list, int index) {
    const QTreeWidgetItem* item = list.topLevelItem(index);
    if (!item)
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "Index out of bounds"));
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

void replaceRows(QTreeWidget& list, const QList<AgendaItem>& items) {
    const QList<AgendaItem> old = rows(list);
    qsizetype head = 0;
    while (head < old.size() && head < items.size() && old[head] == items[head])
        ++head;
    qsizetype tail = 0;
    while (tail < old.size() - head && tail < items.size() - head &&
           old[old.size() - 1 - tail] == items[items.size() - 1 - tail])
        ++tail;
    const qsizetype oldMiddle = old.size() - head - tail;
    const qsizetype newMiddle = items.size() - head - tail;
    if (oldMiddle == newMiddle) {
        for (qsizetype i = head; i < head + newMiddle; ++i) {
            const QStringList texts = textsOf(items[i]);
            for (int column = 0; column < kColumns; ++column)
                list.topLevelItem(int(i))->setText(column, texts[column]);
        }
        return;
    }
    for (qsizetype i = 0; i < oldMiddle; ++i)
        delete list.takeTopLevelItem(int(head));
    QList<QTreeWidgetItem*> inserted;
    for (qsizetype i = head; i < head + newMiddle; ++i)
        inserted << makeRow(textsOf(items[i]));
    list.insertTopLevelItems(int(head), inserted);
}

QList<int> selectedRows(const QTreeWidget& list) {
    QList<int> out;
    for (QTreeWidgetItem* item : list.selectedItems())
        out << list.indexOfTopLevelItem(item);
    std::sort(out.begin(), out.end());
    return out;
}

void selectRows(QTreeWidget& list, const QList<int>& rows) {
    list.clearSelection();
    const int column = std::max(0, list.currentColumn());
    bool first = true;
    for (int row : rows) {
        QTreeWidgetItem* item = list.topLevelItem(row);
        if (!item)
            continue;
        if (first)
            list.setCurrentItem(item, column, QItemSelectionModel::NoUpdate);
        first = false;
        item->setSelected(true);
    }
}

QList<int> moveRows(QTreeWidget& list, const QList<int>& rows, int destination) {
    QList<QTreeWidgetItem*> taken;
    int target = destination;
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        taken.prepend(list.takeTopLevelItem(*it));
        if (*it < destination)
            --target;
    }
    list.insertTopLevelItems(target, taken);
    QList<int> moved;
    for (int i = 0; i < taken.size(); ++i)
        moved << target + i;
    return moved;
}

} // namespace entry::AgendaList

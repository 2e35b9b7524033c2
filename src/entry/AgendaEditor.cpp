#include "AgendaEditor.h"

#include "AgendaList.h"

#include <QAccessible>
#include <QAction>
#include <QTreeWidget>

#include <utility>

namespace entry {

AgendaEditor::AgendaEditor(QTreeWidget& list, Hooks hooks, QObject* parent)
    : QObject(parent), m_list(list), m_hooks(std::move(hooks)) {
    m_edit = addAction(tr("Edit"), Qt::Key_F2, &AgendaEditor::editCurrent);
    addSeparator();
    m_needSelection << addAction(tr("Move Up"), Qt::ALT | Qt::Key_Up, &AgendaEditor::moveUp)
                    << addAction(tr("Move Down"), Qt::ALT | Qt::Key_Down, &AgendaEditor::moveDown)
                    << addAction(tr("Move to Top"), Qt::ALT | Qt::Key_Home,
                                 &AgendaEditor::moveToTop)
                    << addAction(tr("Move to Bottom"), Qt::ALT | Qt::Key_End,
                                 &AgendaEditor::moveToBottom);
    addSeparator();
    addAction(tr("Insert Above"), Qt::SHIFT | Qt::Key_Insert, &AgendaEditor::insertAbove);
    addAction(tr("Insert Below"), Qt::Key_Insert, &AgendaEditor::insertBelow);
    m_needSelection << addAction(tr("Duplicate"), Qt::CTRL | Qt::Key_D, &AgendaEditor::duplicate);
    addSeparator();
    m_needSelection << addAction(tr("Delete"), Qt::Key_Delete, &AgendaEditor::deleteRows);
    m_needSelection << m_edit;
    connect(&m_list, &QTreeWidget::itemSelectionChanged, this, &AgendaEditor::updateActions);
    updateActions();
}

QAction* AgendaEditor::addAction(const QString& text, const QKeySequence& key,
                                 void (AgendaEditor::*slot)()) {
    auto* action = new QAction(text, this);
    action->setShortcut(key);
    // Keys of the list only: in a text box, Delete and Insert keep their own meaning.
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, slot);
    m_list.addAction(action);
    m_actions << action;
    return action;
}

void AgendaEditor::addSeparator() {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    m_actions << separator;
}

void AgendaEditor::updateActions() {
    const bool selected = !m_list.selectedItems().isEmpty();
    for (QAction* action : std::as_const(m_needSelection))
        action->setEnabled(selected);
}

void AgendaEditor::editCurrent() {
    QModelIndex index = m_list.currentIndex();
    if (!index.isValid())
        return;
    m_list.scrollTo(index);
    m_list.edit(index);
}

void AgendaEditor::moveUp() {
    stepSelected(-1);
}

void AgendaEditor::moveDown() {
    stepSelected(+1);
}

// Moves each selected row one place, as far as the rows before it (or
// after it) leave room: a block at the edge stays where it is.
void AgendaEditor::stepSelected(int step) {
    QList<int> rows = AgendaList::selectedRows(m_list);
    if (rows.isEmpty())
        return;
    m_hooks.record(step < 0 ? tr("Move Up") : tr("Move Down"), [&] {
        int edge = step < 0 ? 0 : AgendaList::rowCount(m_list) - 1;
        const qsizetype n = rows.size();
        for (qsizetype k = 0; k < n; ++k) {
            int& row = rows[step < 0 ? k : n - 1 - k];
            if (row == edge) {
                edge -= step;
                continue;
            }
            AgendaList::moveRows(m_list, {row}, step < 0 ? row - 1 : row + 2);
            edge = row;
            row += step;
        }
        show(rows, false);
    });
}

void AgendaEditor::moveToTop() {
    moveRows(AgendaList::selectedRows(m_list), 0, tr("Move to Top"));
}

void AgendaEditor::moveToBottom() {
    moveRows(AgendaList::selectedRows(m_list), AgendaList::rowCount(m_list), tr("Move to Bottom"));
}

void AgendaEditor::moveRows(const QList<int>& rows, int destination, const QString& undoText) {
    if (rows.isEmpty())
        return;
    m_hooks.record(undoText.isEmpty() ? tr("Move") : undoText,
                   [&] { show(AgendaList::moveRows(m_list, rows, destination), false); });
}

void AgendaEditor::insertAbove() {
    const QList<int> rows = AgendaList::selectedRows(m_list);
    insertAt(rows.isEmpty() ? 0 : rows.first());
}

void AgendaEditor::insertBelow() {
    const QList<int> rows = AgendaList::selectedRows(m_list);
    insertAt(rows.isEmpty() ? AgendaList::rowCount(m_list) : rows.last() + 1);
}

void AgendaEditor::insertAt(int row) {
    m_hooks.record(tr("Insert"), [&] {
        if (const std::optional<AgendaItem> item = m_hooks.takeEntry()) {
            AgendaList::insertRow(m_list, row, *item);
            show({row}, true);
        }
    });
}

// Copies of the selected rows, in their order, right after the last of them.
void AgendaEditor::duplicate() {
    const QList<int> rows = AgendaList::selectedRows(m_list);
    if (rows.isEmpty())
        return;
    m_hooks.record(tr("Duplicate"), [&] {
        const int at = rows.last() + 1;
        QList<int> copies;
        for (int row : rows) {
            AgendaList::insertRow(m_list, at + int(copies.size()), AgendaList::row(m_list, row));
            copies << at + int(copies.size());
        }
        show(copies, true);
    });
}

// Removes every selected row; the row after them (or the last row) is
// selected next, so Delete can be pressed again.
void AgendaEditor::deleteRows() {
    const QList<int> rows = AgendaList::selectedRows(m_list);
    if (rows.isEmpty())
        return;
    m_hooks.record(tr("Delete"), [&] {
        for (auto it = rows.crbegin(); it != rows.crend(); ++it)
            delete m_list.takeTopLevelItem(*it);
        const int next = std::min(rows.first(), AgendaList::rowCount(m_list) - 1);
        AgendaList::selectRows(m_list, next >= 0 ? QList<int>{next} : QList<int>{});
    });
}

bool AgendaEditor::setCell(int row, int column, const QString& text) {
    QTreeWidgetItem* item = m_list.topLevelItem(row);
    if (!item || item->text(column) == text)
        return true;
    if (column != AgendaList::DetailsColumn && AgendaList::blankAfterTrim(text)) {
        m_hooks.incomplete();
        return false;
    }
    m_hooks.record(tr("Edit"), [&] { item->setText(column, text); });
    return true;
}

void AgendaEditor::show(const QList<int>& rows, bool inserted) {
    AgendaList::selectRows(m_list, rows);
    if (!rows.isEmpty())
        m_list.scrollToItem(m_list.topLevelItem(rows.first()));
    if (rows.isEmpty() || !QAccessible::isActive())
        return;
    // A move is reported as the rows arriving at their new place.
    QAccessibleTableModelChangeEvent event(
        &m_list, inserted ? QAccessibleTableModelChangeEvent::RowsInserted
                          : QAccessibleTableModelChangeEvent::DataChanged);
    event.setFirstRow(rows.first());
    event.setLastRow(rows.last());
    event.setFirstColumn(0);
    event.setLastColumn(AgendaList::kColumns - 1);
    QAccessible::updateAccessibility(&event);
    QAccessibleEvent selection(&m_list, QAccessible::SelectionWithin);
    QAccessible::updateAccessibility(&selection);
}

} // namespace entry

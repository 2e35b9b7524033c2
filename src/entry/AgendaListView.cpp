#include "AgendaListView.h"

#include "AgendaList.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <utility>

namespace entry {

AgendaListView::AgendaListView(QWidget* parent) : QTreeWidget(parent), m_menu(new QMenu(this)) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    setDragDropOverwriteMode(false);
    invisibleRootItem()->setFlags(Qt::ItemIsEnabled | Qt::ItemIsDropEnabled);
    setItemDelegate(new AgendaCellDelegate(this));
}

void AgendaListView::setMenuActions(const QList<QAction*>& actions) {
    m_menu->clear();
    m_menu->addActions(actions);
}

void AgendaListView::setCellCommit(std::function<bool(int, int, const QString&)> commit) {
    static_cast<AgendaCellDelegate*>(itemDelegate())->commit = std::move(commit);
}

void AgendaListView::setRowsDropped(std::function<void(const QList<int>&, int)> dropped) {
    m_dropped = std::move(dropped);
}

void AgendaListView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && state() != EditingState &&
        currentIndex().isValid()) {
        edit(currentIndex());
        return;
    }
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        const QRect cell = visualRect(currentIndex());
        openMenu(cell.isValid() ? cell.bottomLeft() : QPoint(0, 0));
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void AgendaListView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // The Menu key, when the platform turns it into a menu request.
        const QRect cell = visualRect(currentIndex());
        openMenu(cell.isValid() ? cell.bottomLeft() : QPoint(0, 0));
    } else {
        openMenu(viewport()->mapFrom(this, event->pos()));
    }
    event->accept();
}

void AgendaListView::openMenu(const QPoint& viewportPos) {
    if (m_menu->isVisible())
        return;
    m_menu->popup(viewport()->mapToGlobal(viewportPos));
}

int AgendaListView::dropRow(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return AgendaList::rowCount(*this);
    const QRect rect = visualRect(index);
    switch (dropIndicatorPosition()) {
    case AboveItem:
        return index.row();
    case BelowItem:
        return index.row() + 1;
    default:
        return pos.y() < rect.center().y() ? index.row() : index.row() + 1;
    }
}

// The rows move through the window's own operation (one undo step); the
// drag is told that nothing was moved away, so it removes nothing itself.
void AgendaListView::dropEvent(QDropEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    const int destination = dropRow(event->position().toPoint());
    const QList<int> rows = AgendaList::selectedRows(*this);
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setState(NoState);
    viewport()->update();
    if (m_dropped)
        m_dropped(rows, destination);
}

AgendaCellDelegate::AgendaCellDelegate(QAbstractItemView* view)
    : QStyledItemDelegate(view), m_view(view) {}

void AgendaCellDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                      const QModelIndex& index) const {
    // A message about a refused text takes the focus from the editor, which
    // commits again; that second commit is the same one.
    if (m_committing)
        return;
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line || !commit)
        return;
    m_committing = true;
    m_accepted = commit(index.row(), index.column(), line->text());
    m_committing = false;
}

bool AgendaCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (!editor || event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(object, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    int step = 0;
    if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier)
        step = 1;
    else if (key->key() == Qt::Key_Backtab ||
             (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ShiftModifier))
        step = -1;
    if (step == 0)
        return QStyledItemDelegate::eventFilter(object, event);
    const QModelIndex current = m_view->currentIndex();
    m_accepted = true;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    const int column = current.column() + step;
    if (m_accepted && column >= 0 && column < AgendaList::kColumns) {
        const QModelIndex next = current.siblingAtColumn(column);
        QAbstractItemView* view = m_view;
        QMetaObject::invokeMethod(
            view,
            [view, next] {
                view->setCurrentIndex(next);
                view->edit(next);
            },
            Qt::QueuedConnection);
    }
    return true;
}

} // namespace entry

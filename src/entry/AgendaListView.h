#pragma once

#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <functional>

class QMenu;

namespace entry {

// The report-style list of agenda rows, for the keyboard and the mouse:
// cells are edited in place (double-click, F2 or Enter), rows are dragged
// between rows with a drop indicator, and the context menu opens with the
// right button, the Menu key or Shift+F10.
class AgendaListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit AgendaListView(QWidget* parent = nullptr);

    // The operations the context menu offers.
    void setMenuActions(const QList<QAction*>& actions);
    QMenu* contextMenu() const { return m_menu; }
    // Where the cell edits go; it returns false when it refuses the text.
    void setCellCommit(std::function<bool(int row, int column, const QString&)> commit);
    // Dropping the dragged rows before the row at `destination`.
    void setRowsDropped(std::function<void(const QList<int>& rows, int destination)> dropped);

    // Where the drop indicator of a running drag is.
    DropIndicatorPosition dropIndicator() const { return dropIndicatorPosition(); }
    // The row a drop at `pos` (in viewport coordinates) puts the rows before.
    int dropRow(const QPoint& pos) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void openMenu(const QPoint& viewportPos);

    QMenu* m_menu;
    std::function<void(const QList<int>&, int)> m_dropped;
};

// The editor of a cell: Enter commits, Esc cancels, Tab and Shift+Tab
// commit and go on to the next or previous cell of the row.
class AgendaCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit AgendaCellDelegate(QAbstractItemView* view);

    std::function<bool(int, int, const QString&)> commit;

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QAbstractItemView* m_view;
    mutable bool m_committing = false;
    mutable bool m_accepted = true;
};

} // namespace entry

#pragma once

#include "AgendaItem.h"

#include <QList>
#include <QObject>

#include <functional>
#include <optional>

class QAction;
class QTreeWidget;

namespace entry {

// What the user can do to the rows of the agenda list besides "Add" and
// "Delete Selected": move, insert, duplicate, delete several rows and edit
// a cell. Each operation is one undo step of the window; the selection
// follows the rows it moved or made.
class AgendaEditor : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // Runs a change of the list as one undo step named by the text.
        std::function<void(const QString&, const std::function<void()>&)> record;
        // The item in the four entry boxes, emptying them, as "Add" takes
        // it; nothing (after telling the user) when it is incomplete.
        std::function<std::optional<AgendaItem>()> takeEntry;
        // Tells the user that an item needs its time, topic and room.
        std::function<void()> incomplete;
    };

    AgendaEditor(QTreeWidget& list, Hooks hooks, QObject* parent = nullptr);

    // The operations in menu order, separators included.
    QList<QAction*> actions() const { return m_actions; }

    void editCurrent();
    void moveUp();
    void moveDown();
    void moveToTop();
    void moveToBottom();
    void insertAbove();
    void insertBelow();
    void duplicate();
    void deleteRows();
    // Moves `rows` before the row now at `destination` (a drop).
    void moveRows(const QList<int>& rows, int destination, const QString& undoText = {});
    // Puts `text` into a cell; false (the cell unchanged) when a time,
    // topic or room would be left blank.
    bool setCell(int row, int column, const QString& text);

private:
    QAction* addAction(const QString& text, const QKeySequence& key, void (AgendaEditor::*slot)());
    void addSeparator();
    void updateActions();
    void stepSelected(int step);
    void insertAt(int row);
    // Selects `rows` and tells assistive technology where they now are.
    void show(const QList<int>& rows, bool inserted);

    QTreeWidget& m_list;
    Hooks m_hooks;
    QList<QAction*> m_actions;
    QAction* m_edit = nullptr;
    QList<QAction*> m_needSelection;
};

} // namespace entry

// The agenda list worked with keys and the mouse on a shown window: cells
// edited in place, rows moved, inserted, duplicated, deleted and dragged,
// the context menu, what assistive technology hears, and the order that
// reaches the store and the document.
#include "AgendaListDriver.h"

#include "entry/AgendaEditor.h"
#include "entry/AgendaListView.h"
#include "entry/MeetingKeys.h"
#include "entry/SampleMeeting.h"
#include "platform/settings/SettingsStore.h"
#include "preview/Form2.h"
#include "support/GenerationFixture.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

using testing::AgendaListDriver;
using testing::lettered;

namespace {

struct ListRun {
    testing::TestServices t;
    testing::Form1Run run{t};
    Form1& f = *run.form;
    AgendaListDriver d{f};

    explicit ListRun(const QString& times = "ABCD") {
        if (!testing::showAndWait(f, true))
            qFatal("the entry window was not shown");
        entry::Meeting m;
        m.items = lettered(times);
        f.setMeeting(m);
        d.focusList();
    }
    entry::AgendaListView& view() const { return static_cast<entry::AgendaListView&>(d.list()); }
};

QAction* actionNamed(Form1& f, const QString& text) {
    for (QAction* action : f.agendaActions())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class TestAgendaEditing : public QObject {
    Q_OBJECT
private slots:
    void editingInPlace() {
        ListRun r;
        // Double-click opens the cell's editor; Enter commits exactly what was typed.
        r.d.doubleClick(1, entry::AgendaList::TopicColumn);
        r.d.type("  Budget ");
        r.d.key(Qt::Key_Return);
        QCOMPARE(r.d.rows()[1].topic, QString("  Budget "));
        // Enter on a row edits its current cell; Esc cancels.
        r.d.key(Qt::Key_Return);
        r.d.type("dropped");
        r.d.key(Qt::Key_Escape);
        QCOMPARE(r.d.rows()[1].topic, QString("  Budget "));
        // F2, then Tab and Shift+Tab through the row's cells, each committed.
        r.d.key(Qt::Key_F2);
        r.d.type("T");
        r.d.key(Qt::Key_Tab);
        QTRY_COMPARE(r.d.list().currentIndex().column(), 2);
        r.d.type("D");
        r.d.key(Qt::Key_Tab, Qt::ShiftModifier);
        QTRY_COMPARE(r.d.list().currentIndex().column(), 1);
        r.d.type("T2");
        r.d.key(Qt::Key_Return);
        QCOMPARE(r.d.rows()[1], (entry::AgendaItem{"B", "T2", "D", "Rm 1"}));
        QVERIFY(r.t.messages.boxes.isEmpty());
    }

    void blankCellsAreRefusedExceptDetails() {
        ListRun r;
        for (int column : {entry::AgendaList::TimeColumn, entry::AgendaList::TopicColumn,
                           entry::AgendaList::RoomColumn}) {
            r.d.doubleClick(0, column);
            r.d.type("   ");
            r.d.key(Qt::Key_Return);
        }
        QCOMPARE(r.t.messages.texts(), QStringList(3, "Please fill out all entries."));
        QCOMPARE(r.d.rows(), lettered("ABCD"));
        QCOMPARE(r.f.undoStack()->count(), 0);
        r.d.doubleClick(0, entry::AgendaList::DetailsColumn);
        r.d.type("x");
        r.d.key(Qt::Key_Return);
        r.d.doubleClick(0, entry::AgendaList::DetailsColumn);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        r.d.key(Qt::Key_Return);
        QCOMPARE(r.d.rows(), lettered("ABCD"));
        QCOMPARE(r.t.messages.boxes.size(), 3);
    }

    void keysMoveInsertDuplicateAndDelete() {
        ListRun r;
        r.d.clickRow(0);
        r.d.key(Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(r.d.times(), QStringList({"B", "A", "C", "D"}));
        r.d.key(Qt::Key_End, Qt::AltModifier);
        QCOMPARE(r.d.times(), QStringList({"B", "C", "D", "A"}));
        QCOMPARE(r.d.selected(), QList<int>{3});
        r.d.key(Qt::Key_Down, Qt::AltModifier); // already last
        r.d.key(Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(r.d.times(), QStringList({"B", "C", "A", "D"}));
        // Two rows apart move as they are, and stop at the top together.
        r.d.clickRow(0);
        r.d.clickRow(2, Qt::ControlModifier);
        r.d.key(Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(r.d.times(), QStringList({"B", "A", "C", "D"}));
        QCOMPARE(r.d.selected(), QList<int>({0, 1}));
        r.d.key(Qt::Key_End, Qt::AltModifier);
        QCOMPARE(r.d.times(), QStringList({"C", "D", "B", "A"}));
        r.d.key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(r.d.times(), QStringList({"C", "D", "B", "A", "B", "A"}));
        QCOMPARE(r.d.selected(), QList<int>({4, 5}));
        r.d.key(Qt::Key_Delete);
        QCOMPARE(r.d.times(), QStringList({"C", "D", "B", "A"}));
        // Insert takes the entry boxes as "Add" does: tested, then emptied.
        r.d.clickRow(1);
        r.f.txtTime->setText("E");
        r.d.key(Qt::Key_Insert);
        QCOMPARE(r.t.messages.texts(), QStringList{"Please fill out all entries."});
        QCOMPARE(r.f.txtTime->text(), QString("E"));
        r.f.txtTopic->setText("Topic E");
        r.f.txtRoom->setText(" Rm 2 ");
        r.d.key(Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(r.d.times(), QStringList({"C", "E", "D", "B", "A"}));
        QCOMPARE(r.d.rows()[1], (entry::AgendaItem{"E", "Topic E", "", " Rm 2 "}));
        QCOMPARE(r.d.selected(), QList<int>{1});
        QVERIFY(r.f.txtTime->text().isEmpty() && r.f.txtRoom->text().isEmpty());
        // Delete in a text box is the box's own.
        r.f.txtTopic->setFocus();
        r.f.txtTopic->setText("abc");
        QTest::keyClick(r.f.txtTopic, Qt::Key_Home);
        QTest::keyClick(r.f.txtTopic, Qt::Key_Delete);
        QCOMPARE(r.f.txtTopic->text(), QString("bc"));
        QCOMPARE(r.d.rows().size(), 5);
    }

    // The menu opens with the Menu key and Shift+F10 and offers the
    // operations in order; its entries act on the selected rows.
    void contextMenuFromTheKeyboard() {
        ListRun r;
        r.d.clickRow(2);
        QMenu* menu = r.view().contextMenu();
        QStringList entries;
        for (QAction* action : menu->actions())
            entries << (action->isSeparator() ? "-" : action->text());
        QCOMPARE(entries,
                 QStringList({"Edit", "-", "Move Up", "Move Down", "Move to Top", "Move to Bottom",
                              "-", "Insert Above", "Insert Below", "Duplicate", "-", "Delete"}));
        QCOMPARE(menu->actions(), r.f.agendaActions());
        QCOMPARE(actionNamed(r.f, "Duplicate")->shortcut(), QKeySequence("Ctrl+D"));
        for (const auto& [key, modifiers] :
             {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
            r.d.focusList();
            QTest::keyClick(r.f.ListView1, key, modifiers);
            QTRY_VERIFY(menu->isVisible());
            menu->setActiveAction(actionNamed(r.f, "Move to Top"));
            QTest::keyClick(menu, Qt::Key_Return);
            QTRY_VERIFY(!menu->isVisible());
        }
        QCOMPARE(r.d.times(), QStringList({"C", "A", "B", "D"}));
        // With the mouse, on the row under it.
        QContextMenuEvent event(QContextMenuEvent::Mouse, r.d.cell(3),
                                r.d.viewport()->mapToGlobal(r.d.cell(3)));
        QTest::mouseClick(r.d.viewport(), Qt::RightButton, {}, r.d.cell(3));
        QApplication::sendEvent(r.d.viewport(), &event);
        QTRY_VERIFY(menu->isVisible());
        menu->setActiveAction(actionNamed(r.f, "Move Up"));
        QTest::keyClick(menu, Qt::Key_Return);
        QCOMPARE(r.d.times(), QStringList({"C", "A", "D", "B"}));
    }

    // Moves and inserts are told to assistive technology at the rows' new place.
    void movesAndInsertsAreAnnounced() {
        ListRun r;
        QList<std::pair<int, int>> told; // change type, first row
        r.f.agendaEditor().setAnnouncer([&](QAccessibleEvent& e) {
            if (e.type() == QAccessible::TableModelChanged) {
                const auto& change = static_cast<QAccessibleTableModelChangeEvent&>(e);
                told << std::pair{int(change.modelChangeType()), change.firstRow()};
            }
        });
        r.d.clickRow(0);
        r.d.key(Qt::Key_End, Qt::AltModifier);
        r.f.txtTime->setText("E");
        r.f.txtTopic->setText("E");
        r.f.txtRoom->setText("E");
        r.d.clickRow(1);
        r.d.key(Qt::Key_Insert);
        using Change = QAccessibleTableModelChangeEvent;
        QCOMPARE(told,
                 (QList<std::pair<int, int>>{{Change::DataChanged, 3}, {Change::RowsInserted, 2}}));
    }

    // The order the user made is the order stored at close and typed
    // into the document.
    void theNewOrderIsStoredAndGenerated() {
        testing::GenerationRun g;
        Form1& f = g.form();
        QVERIFY(testing::showAndWait(f, true));
        testing::click(f.PushButton5);
        AgendaListDriver d{f};
        d.focusList();
        d.clickRow(1);
        d.key(Qt::Key_Home, Qt::AltModifier);
        const entry::Meeting sample = entry::sampleMeeting();
        QCOMPARE(d.rows(), QList<entry::AgendaItem>({sample.items[1], sample.items[0]}));
        testing::click(f.PushButton1);
        QVERIFY2(g.t.messages.boxes.isEmpty(), qPrintable(g.t.messages.texts().join('\n')));
        const QString text = testing::documentText(f.form2().mWordFile);
        QVERIFY(text.indexOf("Canned Frozen Lobster") >= 0);
        QVERIFY(text.indexOf("Canned Frozen Lobster") < text.indexOf("Lobsters Cannibalism"));
        f.Form_QueryUnload();
        QCOMPARE(g.t.settings->read(entry::MeetingKeys::Time),
                 QString("1:00 PM|Canned Frozen Lobster|Is it worth eating?|Rm 121^12:00 PM|"
                         "Lobsters Cannibalism|Lobsters feeding back on themselves just because "
                         "they\u2019re so abundant|Rm 121"));
    }
};

QTEST_MAIN(TestAgendaEditing)
#include "test_agenda_editing.moc"

// Rows dragged with the mouse on a real X display (the offscreen platform
// ends every drag at once).
#include "AgendaListDriver.h"

#include "entry/AgendaListView.h"
#include "support/Form1Fixture.h"

#include <QTimer>
#include <QUndoStack>
#include <QtTest>

class TestAgendaDrag : public QObject {
    Q_OBJECT
private slots:
    // A real drag: the drop indicator shows between rows while it runs,
    // and the rows land where it showed, as one undo step.
    void dragMovesRowsBetweenRows() {
        testing::TestServices t;
        testing::Form1Run run(t);
        Form1& f = *run.form;
        QVERIFY(testing::showAndWait(f));
        entry::Meeting m;
        m.items = testing::lettered("ABCD");
        f.setMeeting(m);
        testing::AgendaListDriver d{f};
        const auto& view = static_cast<const entry::AgendaListView&>(*f.ListView1);
        d.clickRow(0);
        d.clickRow(1, Qt::ControlModifier);
        QWidget* viewport = d.viewport();
        const QPoint from = d.cell(1);
        const QPoint to =
            d.cell(3) +
            QPoint(0, d.list().visualItemRect(d.list().topLevelItem(3)).height() / 2 - 1);
        bool indicated = false;
        QTimer::singleShot(0, [&] {
            QTest::mouseMove(viewport, to - QPoint(0, 5));
            QTest::mouseMove(viewport, to);
            indicated = view.dropIndicatorBetweenRows();
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
        });
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        // The first move makes it a drag, the next one starts it.
        QTest::mouseMove(viewport, from + QPoint(0, 1));
        QTest::mouseMove(viewport, from + QPoint(0, 2 * QApplication::startDragDistance()));
        QTRY_COMPARE(d.times(), QStringList({"C", "D", "A", "B"}));
        QVERIFY(indicated);
        QCOMPARE(d.selected(), QList<int>({2, 3}));
        QCOMPARE(f.undoStack()->count(), 1);
        f.undoStack()->undo();
        QCOMPARE(d.times(), QStringList({"A", "B", "C", "D"}));
    }
};

QTEST_MAIN(TestAgendaDrag)
#include "test_agenda_drag.moc"

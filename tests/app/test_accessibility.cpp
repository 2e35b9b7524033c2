// Both windows as assistive technology reads them, through Qt's
// accessibility interface: every control that takes the focus has a name,
// the fields carry their labels' words, the lists and windows are named and
// described; the page view reports its page and zoom and announces every
// change; a page chosen through the interface is shown as a click shows it.
#include "entry/Form1.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TabControl.h"
#include "preview/Form2.h"
#include "preview/SharingFixture.h"
#include "support/Clicks.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTreeWidget>
#include <QtTest>

namespace {

QString nameOf(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// Walks the accessibility tree from `iface`; notes every widget reached
// and every focusable one without a name.
void walk(QAccessibleInterface* iface, QSet<QObject*>& reached, QStringList& unnamed) {
    if (!iface || !iface->isValid())
        return;
    if (auto* widget = qobject_cast<QWidget*>(iface->object())) {
        reached.insert(widget);
        if (iface->state().focusable && iface->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << widget->objectName() + QLatin1Char('(') +
                           QString::fromLatin1(widget->metaObject()->className()) +
                           QLatin1Char(')');
    }
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), reached, unnamed);
}

// Every focusable control of `window` that the walk reached, and those
// that are unnamed: both must hold for the whole window.
void checkWindow(QWidget& window) {
    QSet<QObject*> reached;
    QStringList unnamed;
    walk(QAccessible::queryAccessibleInterface(&window), reached, unnamed);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->focusPolicy() != Qt::NoFocus && !w->isWindow() && !w->window()->isHidden())
            QVERIFY2(reached.contains(w), qPrintable(w->objectName() + " is not in the tree"));
    }
}

// The accessibility events raised while it lives.
struct EventLog {
    static inline QList<std::pair<QObject*, QAccessible::Event>> events;
    EventLog() {
        events.clear();
        QAccessible::setActive(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
            events.append({e->object(), e->type()});
        });
    }
    ~EventLog() {
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::setActive(false);
    }
    static bool has(QObject* object, QAccessible::Event type) {
        return events.contains(std::pair<QObject*, QAccessible::Event>{object, type});
    }
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyFocusableControlOfBothWindowsIsNamed() {
        testing::SharingRun s;
        checkWindow(s.g.form());
        QVERIFY(testing::showAndWait(*s.preview));
        checkWindow(*s.preview);
    }

    // The row of tabs keeps its own name whichever tab is in front; each
    // tab is a page tab under its caption, and pressing one brings it to
    // the front.
    void theTabRowAndItsTabsAreReadByTheirOwnNames() {
        testing::SharingRun s;
        Form1& f = s.g.form();
        f.SSTab1->setCurrentIndex(0);
        QAccessibleInterface* row = QAccessible::queryAccessibleInterface(f.SSTab1->tabBar());
        QCOMPARE(row->role(), QAccessible::PageTabList);
        QCOMPARE(row->childCount(), 2);
        QCOMPARE(row->child(0)->text(QAccessible::Name),
                 QStringLiteral("Attendee, Reading, & Supplies"));
        QCOMPARE(row->child(1)->text(QAccessible::Name), QStringLiteral("Time"));
        QCOMPARE(row->child(1)->role(), QAccessible::PageTab);
        QCOMPARE(row->indexOfChild(row->child(1)), 1);
        QVERIFY(row->child(0)->state().selected);
        row->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.SSTab1->currentIndex(), 1);
        QVERIFY(row->child(1)->state().selected && !row->child(0)->state().selected);
        QCOMPARE(row->text(QAccessible::Name), QStringLiteral("Meeting lists and agenda items"));
        QVERIFY(row->childAt(row->child(0)->rect().center().x(),
                             row->child(0)->rect().center().y()) == row->child(0));
    }

    void fieldsCarryTheirLabelsAndListsAndWindowsTheirNames() {
        testing::SharingRun s;
        Form1& f = s.g.form();
        const QList<std::pair<QWidget*, QString>> expected{
            {f.txtMeetingTitle, "Meeting Title"},
            {f.txtDateOfMeeting, "Date of Meeting"},
            {f.txtCalledBy, "Meeting Called By"},
            {f.txtTime, "Time:"},
            {f.txtTopic, "Topic:"},
            {f.txtDetails, "Details:"},
            {f.txtRoom, "Room:"},
            {f.txtAttendeeList, "Attendee List:"},
            {f.txtReadingList, "Reading List:"},
            {f.txtSuppliesList, "Supplies List:"},
            {f.txtAdditionalInstruction, "Additional Instructions:"},
            {f.ListView1, "Agenda items"},
            {f.SSTab1->tabBar(), "Meeting lists and agenda items"},
            {s.preview->ListView1, "Pages"}};
        for (const auto& [widget, name] : expected)
            QCOMPARE(nameOf(widget), name);
        // The label is tied to its box both ways, as screen readers look it up.
        QAccessibleInterface* time = QAccessible::queryAccessibleInterface(f.txtTime);
        const auto labels = time->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front().first->object(), f.Label1[0]);
        for (QWidget* window : std::initializer_list<QWidget*>{&f, s.preview}) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
            QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Quillary"));
            QVERIFY(!iface->text(QAccessible::Description).isEmpty());
        }
    }

    void pageViewReportsAndAnnouncesPageAndZoom() {
        testing::SharingRun s(40);
        Form2& p = *s.preview;
        QVERIFY(testing::showAndWait(p, true));
        const int pages = s.listedPages();
        QVERIFY(pages >= 2);
        const QString first = QStringLiteral("Page 1 of %1, zoom 100 %").arg(pages);
        QCOMPARE(nameOf(p.Picture1), first);
        QCOMPARE(QAccessible::queryAccessibleInterface(p.Picture2)->text(QAccessible::Description),
                 first);

        // Events reach a handler only where a platform takes them (the
        // accessibility bus); offscreen, the names alone are checked.
        EventLog log;
        const bool heard = QAccessible::isActive();
        testing::click(p.PushButton1);
        QCOMPARE(nameOf(p.Picture1), QStringLiteral("Page 1 of %1, zoom 125 %").arg(pages));
        QVERIFY(!heard || EventLog::has(p.Picture1, QAccessible::NameChanged));
        QVERIFY(!heard || EventLog::has(p.Picture2, QAccessible::DescriptionChanged));

        EventLog::events.clear();
        const QTreeWidgetItem* second = p.ListView1->topLevelItem(1);
        QTest::mouseClick(p.ListView1->viewport(), Qt::LeftButton, {},
                          p.ListView1->visualItemRect(second).center());
        QCOMPARE(nameOf(p.Picture1), QStringLiteral("Page 2 of %1, zoom 100 %").arg(pages));
        QVERIFY(!heard || EventLog::has(p.Picture1, QAccessible::NameChanged));
    }

    void pageChosenThroughTheInterfaceIsShown() {
        testing::SharingRun s(40);
        Form2& p = *s.preview;
        QVERIFY(testing::showAndWait(p, true));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(p.ListView1);
        QVERIFY(list->tableInterface());
        // As an assistive technology's "select row" does.
        QVERIFY(list->tableInterface()->selectRow(1));
        QCOMPARE(p.shownPage(), 2);
        QVERIFY(p.Zoom_Ori->picture() == p.slotPicture(1));
        // As its "toggle" action on a cell does.
        QAccessibleInterface* cell = list->tableInterface()->cellAt(0, 0);
        QVERIFY(cell && cell->actionInterface());
        p.ListView1->clearSelection();
        cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(p.shownPage(), 1);
        QVERIFY(p.Zoom_Ori->picture() == p.slotPicture(0));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"

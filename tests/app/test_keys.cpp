// The keyboard alone: Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+Page Down and Ctrl+Page
// Up switch the entry window's tabs from wherever the focus is; Alt+Left
// goes back from the preview as "< Back" does; the arrow keys scroll the
// page view that has the focus; Tab still goes round in the order given.
#include "entry/Form1.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TabControl.h"
#include "preview/Form2.h"
#include "preview/SharingFixture.h"
#include "support/Clicks.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QtTest>

namespace {

// Sends `key` as a keyboard would, to whichever control has the focus.
void press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : &window, key, modifiers);
}

} // namespace

class KeysTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlTabAndCtrlPageKeysSwitchTheEntryTabs_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("title") << QStringLiteral("txtMeetingTitle");
        QTest::newRow("tab bar") << QString();
        QTest::newRow("list box") << QStringLiteral("txtAttendeeList");
    }
    void ctrlTabAndCtrlPageKeysSwitchTheEntryTabs() {
        QFETCH(QString, focus);
        testing::GenerationRun g;
        Form1& f = g.form();
        QVERIFY(testing::showAndWait(f, true));
        f.SSTab1->setCurrentIndex(focus == "txtAttendeeList" ? 0 : 1);
        QWidget* start = focus.isEmpty() ? static_cast<QWidget*>(f.SSTab1->tabBar())
                                         : f.findChild<QWidget*>(focus);
        start->setFocus();
        const int first = f.SSTab1->currentIndex();
        const auto after = [&](Qt::Key key, Qt::KeyboardModifiers mods) {
            press(f, key, mods);
            return f.SSTab1->currentIndex();
        };
        QCOMPARE(after(Qt::Key_Tab, Qt::ControlModifier), 1 - first);
        QCOMPARE(after(Qt::Key_Tab, Qt::ControlModifier), first);
        QCOMPARE(after(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier), 1 - first);
        QCOMPARE(after(Qt::Key_PageDown, Qt::ControlModifier), first);
        QCOMPARE(after(Qt::Key_PageUp, Qt::ControlModifier), 1 - first);
        // The typing is untouched.
        if (auto* box = qobject_cast<platform::MultiLineTextBox*>(start))
            QCOMPARE(box->text(), QString());
    }

    void tabStillGoesRoundInTheGivenOrder() {
        testing::GenerationRun g;
        Form1& f = g.form();
        QVERIFY(testing::showAndWait(f, true));
        f.SSTab1->setCurrentIndex(0);
        f.txtMeetingTitle->setFocus();
        QStringList order;
        for (int i = 0; i < 7; ++i) {
            order << QApplication::focusWidget()->objectName();
            press(f, Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"txtMeetingTitle", "txtDateOfMeeting", "txtCalledBy",
                                     "txtAttendeeList", "txtReadingList", "txtSuppliesList",
                                     "txtAdditionalInstruction"}));
    }

    void altLeftGoesBackFromThePreview() {
        testing::SharingRun s;
        Form2& p = *s.preview;
        QVERIFY(testing::showAndWait(p, true));
        const QString document = p.mWordFile;
        p.ListView1->setFocus();
        press(p, Qt::Key_Left, Qt::AltModifier);
        QVERIFY(s.g.form().isVisible());
        QVERIFY(!p.isVisible());
        QVERIFY(!QFile::exists(document));
    }

    void arrowKeysScrollTheFocusedPageView() {
        testing::SharingRun s;
        Form2& p = *s.preview;
        QVERIFY(testing::showAndWait(p, true));
        for (int i = 0; i < 4; ++i)
            p.PushButton1_Click(); // larger than the view both ways
        QVERIFY(p.HScroll1->isEnabled() && p.VScroll1->isEnabled());
        for (QWidget* view :
             {static_cast<QWidget*>(p.Picture2), static_cast<QWidget*>(p.Picture1)}) {
            view->setFocus();
            QCOMPARE(QApplication::focusWidget(), view);
            p.HScroll1->setValue(0);
            p.VScroll1->setValue(0);
            press(p, Qt::Key_Down);
            press(p, Qt::Key_Right);
            const int down = p.VScroll1->value();
            const int right = p.HScroll1->value();
            QVERIFY(down > 0 && right > 0);
            QVERIFY(p.Picture1->twipsTop() < 0 && p.Picture1->twipsLeft() < 0);
            press(p, Qt::Key_Up);
            press(p, Qt::Key_Left);
            QCOMPARE(p.VScroll1->value(), 0);
            QCOMPARE(p.HScroll1->value(), 0);
        }
    }
};

QTEST_MAIN(KeysTest)
#include "test_keys.moc"

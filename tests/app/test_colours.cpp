// Both windows under a light, a dark and a high-contrast colour scheme,
// with and without the skin, measured on their own pixels: every text at
// 4.5:1 or more against what is drawn behind it (selected rows included),
// and a focus indicator around every control that takes the focus, 2
// pixels or more wide, whose pixels change by 3:1 or more.
#include "entry/Form1.h"
#include "platform/controls/Contrast.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TabControl.h"
#include "preview/Form2.h"
#include "preview/SharingFixture.h"
#include "support/Clicks.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTabBar>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

#include <functional>
#include <map>

using platform::contrastRatio;

namespace {

QPalette darkScheme() {
    QPalette p;
    const auto set = [&p](QPalette::ColorRole role, const char* colour) {
        p.setColor(role, QColor(QLatin1String(colour)));
    };
    // Colours of a common dark desktop theme (Breeze Dark), whose selection
    // draws white on a light blue.
    set(QPalette::Window, "#202326");
    set(QPalette::WindowText, "#fcfcfc");
    set(QPalette::Base, "#141618");
    set(QPalette::AlternateBase, "#1d1f22");
    set(QPalette::Text, "#fcfcfc");
    set(QPalette::Button, "#292c30");
    set(QPalette::ButtonText, "#fcfcfc");
    set(QPalette::Highlight, "#3daee9");
    set(QPalette::HighlightedText, "#fcfcfc");
    set(QPalette::Light, "#40464c");
    set(QPalette::Midlight, "#33383c");
    set(QPalette::Mid, "#1c1f22");
    set(QPalette::Dark, "#15171a");
    set(QPalette::Shadow, "#0a0b0c");
    set(QPalette::ToolTipBase, "#292c30");
    set(QPalette::ToolTipText, "#fcfcfc");
    set(QPalette::PlaceholderText, "#a1a9b1");
    return p;
}

QPalette highContrastScheme() {
    QPalette p(QColor(Qt::black), QColor(Qt::black));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                      QPalette::ToolTipText, QPalette::Light, QPalette::BrightText})
        p.setColor(role, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x1a, 0xeb, 0xff));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

QPalette scheme(const QByteArray& name) {
    if (name == "dark")
        return darkScheme();
    if (name == "high contrast")
        return highContrastScheme();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

QRect inWindow(const QWidget* w, QRect local) {
    return QRect(w->mapTo(w->window(), local.topLeft()), local.size());
}

// The contrast of what `putText` draws over what `removeText` leaves, in
// `area` of the window: the background is the colour most often found
// under the changed pixels, the text the changed pixel that stands out
// most from it.
double textContrast(QWidget* w, QRect area, const std::function<void()>& putText,
                    const std::function<void()>& removeText) {
    QWidget* window = w->window();
    putText();
    const QImage with = window->grab(area).toImage();
    removeText();
    const QImage without = window->grab(area).toImage();
    putText();
    std::map<QRgb, int> behind;
    QList<QPoint> changed;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y)) {
                changed << QPoint(x, y);
                ++behind[without.pixel(x, y)];
            }
        }
    }
    if (changed.isEmpty())
        return 0.0;
    const QColor background(std::max_element(behind.begin(), behind.end(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first);
    double best = 0.0;
    for (const QPoint& p : changed)
        best = std::max(best, contrastRatio(QColor(with.pixel(p)), background));
    return best;
}

template <typename W, typename Owner>
double ownText(W* w, const QString& text, void (Owner::*set)(const QString&)) {
    return textContrast(
        w, inWindow(w, w->rect()), [&] { (w->*set)(text); }, [&] { (w->*set)(QString()); });
}

double rowText(QTreeWidget* list, int row, int column) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    const QString text = item->text(column);
    QRect rect = list->visualItemRect(item);
    rect.setLeft(list->header()->sectionViewportPosition(column));
    rect.setWidth(list->columnWidth(column));
    return textContrast(
        list, inWindow(list->viewport(), rect), [&] { item->setText(column, text); },
        [&] { item->setText(column, QString()); });
}

double headerText(QTreeWidget* list, int column) {
    QTreeWidgetItem* header = list->headerItem();
    const QString text = header->text(column);
    QHeaderView* view = list->header();
    const QRect rect(view->sectionViewportPosition(column), 0, view->sectionSize(column),
                     view->height());
    return textContrast(
        list, inWindow(view->viewport(), rect), [&] { header->setText(column, text); },
        [&] { header->setText(column, QString()); });
}

double tabText(QTabBar* bar, int index) {
    const QString text = bar->tabText(index);
    const QRect inner = bar->tabRect(index).adjusted(4, 4, -4, -4);
    return textContrast(
        bar, inWindow(bar, inner), [&] { bar->setTabText(index, text); },
        [&] { bar->setTabText(index, QStringLiteral(" ")); });
}

// The lowest contrasts found, by what was measured.
struct Findings {
    QStringList low;
    void check(const QString& what, double ratio) {
        if (qEnvironmentVariableIsSet("QUILLARY_SHOW_CONTRASTS"))
            qInfo("%s %.2f", qPrintable(what), ratio);
        if (ratio < 4.5)
            low << QStringLiteral("%1 %2:1").arg(what).arg(ratio, 0, 'f', 2);
    }
};

void measureEntryWindow(Form1& f, Findings& found) {
    for (QLabel* label : f.Label1) {
        f.SSTab1->setCurrentIndex(
            f.Picture1.indexOf(static_cast<platform::PictureBox*>(label->parentWidget())) == 0 ? 1
                                                                                               : 0);
        found.check(label->text(), ownText(label, label->text(), &QLabel::setText));
    }
    for (QGroupBox* frame : {f.Frame1, f.Frame2, f.Frame3})
        found.check(frame->title(), ownText(frame, frame->title(), &QGroupBox::setTitle));
    f.SSTab1->setCurrentIndex(1);
    for (QPushButton* b :
         {f.PushButton1, f.PushButton2, f.PushButton3, f.PushButton4, f.PushButton5})
        found.check(b->text(), ownText(b, b->text(), &QAbstractButton::setText));
    for (QLineEdit* box : {f.txtMeetingTitle, f.txtDateOfMeeting, f.txtCalledBy, f.txtTime})
        found.check(box->objectName(),
                    ownText(box, QStringLiteral("Agenda Mg"), &QLineEdit::setText));
    found.check(QStringLiteral("agenda row"), rowText(f.ListView1, 0, 1));
    found.check(QStringLiteral("agenda header"), headerText(f.ListView1, 1));
    f.ListView1->setCurrentItem(f.ListView1->topLevelItem(0));
    found.check(QStringLiteral("selected agenda row"), rowText(f.ListView1, 0, 1));
    for (int tab = 0; tab < 2; ++tab)
        found.check(f.SSTab1->tabCaption(tab), tabText(f.SSTab1->tabBar(), tab));
    f.SSTab1->setCurrentIndex(0);
    found.check(QStringLiteral("txtAttendeeList"),
                ownText(f.txtAttendeeList, QStringLiteral("Agenda Mg"),
                        &platform::MultiLineTextBox::setText));
}

void measurePreview(Form2& p, Findings& found) {
    found.check(p.Frame1->title(), ownText(p.Frame1, p.Frame1->title(), &QGroupBox::setTitle));
    for (QPushButton* b : {p.PushButton1, p.PushButton2, p.PushButton6, p.PushButton8})
        found.check(b->text(), ownText(b, b->text(), &QAbstractButton::setText));
    found.check(QStringLiteral("page row"), rowText(p.ListView1, 0, 0));
    found.check(QStringLiteral("page header"), headerText(p.ListView1, 0));
    p.ListView1->setCurrentItem(p.ListView1->topLevelItem(0));
    found.check(QStringLiteral("selected page row"), rowText(p.ListView1, 0, 0));
}

// Around the part of `control` on show (the current tab of a tab bar): the
// pixels of each side's middle, a few either side of the edge, that change
// by 3:1 or more when the control takes the focus.
QString focusIndicatorFault(QWidget* control) {
    QWidget* window = control->window();
    QRect shown = control->rect();
    if (auto* bar = qobject_cast<QTabBar*>(control))
        shown = bar->tabRect(bar->currentIndex());
    shown = inWindow(control, shown);
    for (QWidget* w = control->parentWidget(); w != window; w = w->parentWidget())
        shown &= inWindow(w, w->rect());
    const QRect area = shown.adjusted(-6, -6, 6, 6);
    window->setFocus();
    QApplication::processEvents();
    const QImage before = window->grab(area).toImage();
    control->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage after = window->grab(area).toImage();
    const QRect r = shown.translated(-area.topLeft());
    const auto changedAt = [&](int x, int y) {
        return contrastRatio(QColor(before.pixel(x, y)), QColor(after.pixel(x, y))) >= 3.0;
    };
    const auto count = [&](QPoint from, QPoint step) {
        int n = 0;
        for (int i = -6; i < 6; ++i) {
            const QPoint at = from + step * i;
            if (QRect(QPoint(0, 0), before.size()).contains(at) && changedAt(at.x(), at.y()))
                ++n;
        }
        return n;
    };
    const int sides[] = {count(QPoint(r.center().x(), r.top()), QPoint(0, 1)),
                         count(QPoint(r.center().x(), r.bottom()), QPoint(0, 1)),
                         count(QPoint(r.left(), r.center().y()), QPoint(1, 0)),
                         count(QPoint(r.right(), r.center().y()), QPoint(1, 0))};
    for (int n : sides) {
        if (n < 2)
            return QStringLiteral("%1 (%2, %3, %4, %5)")
                .arg(control->objectName())
                .arg(sides[0])
                .arg(sides[1])
                .arg(sides[2])
                .arg(sides[3]);
    }
    return {};
}

QStringList focusIndicatorFaults(QWidget& window) {
    QStringList faults;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisible() || !w->isEnabled())
            continue;
        const QString fault = focusIndicatorFault(w);
        if (!fault.isEmpty())
            faults << fault;
    }
    return faults;
}

// The application under `scheme`, restored afterwards.
struct Scheme {
    QPalette before = QApplication::palette();
    explicit Scheme(const QPalette& p) { QApplication::setPalette(p); }
    ~Scheme() { QApplication::setPalette(before); }
};

} // namespace

class ColoursTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void everyTextReadsAtFourAndAHalfToOne_data() {
        QTest::addColumn<QByteArray>("scheme");
        QTest::addColumn<bool>("skin");
        for (const char* name : {"light", "dark", "high contrast"}) {
            QTest::addRow("%s", name) << QByteArray(name) << false;
            QTest::addRow("%s, skin", name) << QByteArray(name) << true;
        }
    }
    void everyTextReadsAtFourAndAHalfToOne() {
        QFETCH(QByteArray, scheme);
        QFETCH(bool, skin);
        const Scheme colours(::scheme(scheme));
        testing::SharingRun s(0, "C.UTF-8", skin);
        Form1& f = s.g.form();
        QVERIFY(testing::showAndWait(f));
        Findings found;
        measureEntryWindow(f, found);
        QVERIFY(testing::showAndWait(*s.preview));
        measurePreview(*s.preview, found);
        QVERIFY2(found.low.isEmpty(), qPrintable(found.low.join(QStringLiteral("; "))));
    }

    void everyFocusableControlShowsItsFocus_data() { everyTextReadsAtFourAndAHalfToOne_data(); }
    void everyFocusableControlShowsItsFocus() {
        QFETCH(QByteArray, scheme);
        QFETCH(bool, skin);
        const Scheme colours(::scheme(scheme));
        testing::SharingRun s(0, "C.UTF-8", skin);
        Form1& f = s.g.form();
        QVERIFY(testing::showAndWait(f, true));
        QStringList faults;
        for (int tab : {1, 0}) {
            f.SSTab1->setCurrentIndex(tab);
            faults << focusIndicatorFaults(f);
        }
        f.hide();
        Form2& p = *s.preview;
        p.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        p.PushButton1_Click(); // the page larger than its view: both bars on
        faults << focusIndicatorFaults(p);
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(ColoursTest)
#include "test_colours.moc"

// The page view on real generated pages: every zoom step draws, zooming
// in and out returns to the same view, the drawing stays sharp at any zoom
// and screen scale, and the wheel and the keyboard move the page.
#include "PreviewFixture.h"
#include "RealPages.h"

#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>

using testing::agendaPages;
using testing::edgeBlur;
using testing::PreviewFixture;

namespace {

QSize scaledSize(const Form2& form) {
    return {form.mScaledWidth, form.mScaledHeight};
}

void sendWheel(QWidget* over, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF at(10, 10);
    QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(over, &wheel);
}

} // namespace

class TestPageViewReading : public QObject {
    Q_OBJECT
private slots:
    void everyZoomStepDrawsARealPage_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<int>("page");
        QTest::newRow("Letter, sample") << 2 << QByteArray("en_US.UTF-8") << 0;
        QTest::newRow("Letter, 40 items, page 2") << 40 << QByteArray("en_US.UTF-8") << 1;
        QTest::newRow("A4, sample") << 2 << QByteArray("de_DE.UTF-8") << 0;
        QTest::newRow("A4, 40 items, page 2") << 40 << QByteArray("de_DE.UTF-8") << 1;
    }
    void everyZoomStepDrawsARealPage() {
        QFETCH(int, items);
        QFETCH(QByteArray, locale);
        QFETCH(int, page);
        const QList<platform::Picture> pages = agendaPages(items, locale.constData());
        QVERIFY(pages.size() > page);
        PreviewFixture f;
        f.fill({pages[page]});
        f.form->Form_Activate();
        Form2& form = *f.form;
        QVERIFY(!form.Picture1->hasPicture()); // drawn at zoom 1, not shown as is
        for (int step = 1; step <= 16; ++step) {
            const float zoom = 0.25f * step;
            QVERIFY2(form.SetZoom(zoom), qPrintable(QString::number(zoom)));
            QCOMPARE(form.mZoom, zoom);
            const QSize expected(int(std::floor(form.mBaseWidth * double(zoom))),
                                 int(std::floor(form.mBaseHeight * double(zoom))));
            QCOMPARE(scaledSize(form), expected);
            QCOMPARE(QSizeF(form.Picture1->twipsWidth(), form.Picture1->twipsHeight()),
                     QSizeF(expected));
        }
        QVERIFY(f.services.messages.boxes.isEmpty());
    }

    void zoomingInAndOutReturnsToTheSameView() {
        PreviewFixture f;
        f.fill(agendaPages(40, "en_US.UTF-8"));
        f.form->Form_Activate();
        Form2& form = *f.form;
        for (int step = 2; step <= 15; ++step) {
            QVERIFY(form.SetZoom(0.25f * step));
            const QImage view = form.Picture1->image();
            const QSize size = scaledSize(form);
            form.PushButton1_Click();
            form.PushButton2_Click();
            QCOMPARE(form.mZoom, 0.25f * step);
            QCOMPARE(scaledSize(form), size);
            QCOMPARE(form.Picture1->image(), view);
            form.PushButton2_Click();
            form.PushButton1_Click();
            QCOMPARE(form.mZoom, 0.25f * step);
            QCOMPARE(form.Picture1->image(), view);
        }
    }

    // Edges of glyphs and rules measure about one grey pixel at any zoom from
    // 1.0 up, as at 1.0; a picture at screen resolution stretched to 2.0
    // measures well over two. Below 1.0 the drawing matches a page drawn
    // directly at that size, which a shrunk picture does not.
    void theDrawingIsAsSharpAtEveryZoom() {
        PreviewFixture f;
        f.fill(agendaPages(2, "en_US.UTF-8"));
        f.form->Form_Activate();
        Form2& form = *f.form;
        const double atOne = edgeBlur(form.Picture1->image());
        QVERIFY(atOne > 0.5);
        for (const float zoom : {2.0f, 4.0f}) {
            QVERIFY(form.SetZoom(zoom));
            const double blur = edgeBlur(form.Picture1->image());
            QVERIFY2(
                blur < atOne * 1.15,
                qPrintable(QStringLiteral("%1 at %2 vs %3 at 1.0").arg(blur).arg(zoom).arg(atOne)));
        }
        QVERIFY(form.SetZoom(0.5f));
        const double direct = edgeBlur(form.slotPicture(0).toImage(48));
        QVERIFY(edgeBlur(form.Picture1->image()) < direct * 1.1);

        PreviewFixture stretched;
        stretched.fill({form.slotPicture(0).toImage(96)});
        stretched.form->Form_Activate();
        QVERIFY(stretched.form->SetZoom(2.0f));
        QVERIFY(edgeBlur(stretched.form->Picture1->image()) > atOne * 2);
        QVERIFY(stretched.form->SetZoom(0.5f));
        QVERIFY(edgeBlur(stretched.form->Picture1->image()) > direct * 1.1);
    }

    void theWheelScrollsThroughTheBarsAndZoomsWithCtrl() {
        PreviewFixture f;
        f.fill(agendaPages(2, "en_US.UTF-8"));
        f.form->Form_Activate();
        Form2& form = *f.form;
        QVERIFY(form.SetZoom(2.0f));
        QCOMPARE(form.mVScrollUnit, int16_t{10});
        const int lines = QApplication::wheelScrollLines();
        sendWheel(form.Picture1, QPoint(0, -120)); // one notch towards the reader
        QCOMPARE(form.VScroll1->value(), lines * 24);
        QCOMPARE(form.Picture1->twipsTop(), -240.0f * lines);
        sendWheel(form.Picture2, QPoint(0, 120));
        QCOMPARE(form.VScroll1->value(), 0);
        QCOMPARE(form.Picture1->twipsTop(), 0.0f);
        sendWheel(form.Picture1, QPoint(0, -120), Qt::ShiftModifier);
        QCOMPARE(form.HScroll1->value(), lines * 24);
        QCOMPARE(form.Picture1->twipsLeft(), -240.0f * lines);
        QCOMPARE(form.VScroll1->value(), 0);
        // Past the end the bar stops at its maximum.
        sendWheel(form.Picture1, QPoint(0, -120 * 1000));
        QCOMPARE(form.VScroll1->value(), form.VScroll1->maximum());

        sendWheel(form.Picture1, QPoint(0, 120), Qt::ControlModifier);
        QCOMPARE(form.mZoom, 2.25f);
        sendWheel(form.Picture1, QPoint(0, -240), Qt::ControlModifier);
        QCOMPARE(form.mZoom, 1.75f);
        // A smooth wheel's small steps add up to one notch.
        for (int i = 0; i < 3; ++i)
            sendWheel(form.Picture1, QPoint(0, 40), Qt::ControlModifier);
        QCOMPARE(form.mZoom, 2.0f);
    }

    void theWheelLeavesAPageThatFitsAlone() {
        PreviewFixture f;
        f.load(3000, 2000);
        Form2& form = *f.form;
        sendWheel(form.Picture1, QPoint(0, -120));
        sendWheel(form.Picture1, QPoint(0, -120), Qt::ShiftModifier);
        QCOMPARE(f.canvasPos(), QPointF(0, 0));
    }

    void keysZoomAndPageThroughTheView() {
        PreviewFixture f;
        f.fill(agendaPages(40, "en_US.UTF-8"));
        Form2& form = *f.form;
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.mZoom, 1.0f);
        QTest::keyClick(&form, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(form.mZoom, 1.25f);
        QTest::keyClick(&form, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(form.mZoom, 1.5f);
        QTest::keyClick(&form, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(form.mZoom, 1.25f);

        form.Picture2->setFocus();
        QTest::keyClick(form.Picture2, Qt::Key_PageDown);
        const int page = int(std::lround(form.Picture2->innerHeight() / 10));
        QCOMPARE(form.VScroll1->value(), page);
        QTest::keyClick(form.Picture2, Qt::Key_PageUp);
        QCOMPARE(form.VScroll1->value(), 0);

        // The page list keeps its own keys.
        form.ListView1->setFocus();
        form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
        QTest::keyClick(form.ListView1, Qt::Key_PageDown);
        QCOMPARE(form.VScroll1->value(), 0);
        QVERIFY(form.ListView1->currentItem() != form.ListView1->topLevelItem(0));
    }
};

QTEST_MAIN(TestPageViewReading)
#include "test_page_view_reading.moc"

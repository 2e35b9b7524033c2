#include "PreviewFixture.h"

#include "preview/Rounding.h"

#include "platform/errors/RuntimeError.h"

#include <QScrollBar>
#include <QtTest>

using testing::PreviewFixture;

namespace {

// Presses "Zoom In" (0) or "Zoom Out" (1) as the buttons do.
void press(Form2& form, int direction, int times = 1) {
    for (int i = 0; i < times; ++i)
        direction == 0 ? form.PushButton1_Click() : form.PushButton2_Click();
}

QSize scaled(const Form2& form) {
    return {form.mScaledWidth, form.mScaledHeight};
}

QSizeF canvasSize(const Form2& form) {
    return {form.Picture1->twipsWidth(), form.Picture1->twipsHeight()};
}

} // namespace

class TestPageView : public QObject {
    Q_OBJECT
private slots:
    void roundingIsToEvenAndOverflowFails() {
        QCOMPARE(preview::roundToInt32(2.5), 2);
        QCOMPARE(preview::roundToInt32(3.5), 4);
        QCOMPARE(preview::roundToInt32(-2.5), -2);
        QCOMPARE(preview::roundToInt16(133.5), int16_t{134});
        QCOMPARE(preview::roundToInt16(10.5), int16_t{10});
        QCOMPARE(preview::floorToInt32(250.25), 250);
        QCOMPARE(preview::floorToInt32(-0.5), -1);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, preview::roundToInt16(32767.5));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, preview::roundToInt16(-32769));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, preview::floorToInt32(3e9));
    }

    void loadingDrawsThePageAtZoomOne() {
        PreviewFixture f;
        f.load(3000, 4000);
        Form2& form = *f.form;
        QCOMPARE(form.mZoom, 1.0f);
        QCOMPARE(form.Zoom_Ori->twipsWidth(), 3062.0f);
        QCOMPARE(form.Zoom_Ori->innerWidth(), 3002.0f);
        QCOMPARE(QSize(form.mBaseWidth, form.mBaseHeight), QSize(3000, 4000));
        QCOMPARE(scaled(form), QSize(3000, 4000));
        QCOMPARE(canvasSize(form), QSizeF(3000, 4000));
        QCOMPARE(f.canvasPos(), QPointF(0, 0));
        QVERIFY(!form.Picture1->hasPicture()); // the drawing replaced it
        QVERIFY(!form.HScroll1->isEnabled() && !form.VScroll1->isEnabled());
        QCOMPARE(form.mHScrollUnit, int16_t{0});
        QCOMPARE(form.mVScrollUnit, int16_t{0});
        // The drawing is the page: its marked quarter in the top-left corner.
        const QImage drawn = form.Picture1->image();
        QCOMPARE(drawn.pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(drawn.pixelColor(drawn.width() - 5, drawn.height() - 5), QColor(Qt::white));
        QVERIFY(f.services.messages.boxes.isEmpty());
    }

    void zoomOutStepsDownToAQuarter() {
        PreviewFixture f;
        f.load(3000, 4000);
        Form2& form = *f.form;
        const QList<QPair<float, QSize>> expected{
            {0.75f, {2250, 3000}}, {0.5f, {1500, 2000}}, {0.25f, {750, 1000}}};
        for (const auto& [zoom, size] : expected) {
            press(form, 1);
            QCOMPARE(form.mZoom, zoom);
            QCOMPARE(scaled(form), size);
            QCOMPARE(canvasSize(form), QSizeF(size));
        }
        const qint64 drawing = form.Picture1->image().cacheKey();
        press(form, 1);
        QCOMPARE(form.mZoom, 0.25f);
        QCOMPARE(form.Picture1->image().cacheKey(), drawing);
    }

    void zoomInReachesFourAndStops() {
        PreviewFixture f;
        f.load(1000, 1000);
        Form2& form = *f.form;
        press(form, 0, 12);
        QCOMPARE(form.mZoom, 4.0f);
        QCOMPARE(scaled(form), QSize(4000, 4000));
        press(form, 0);
        QCOMPARE(form.mZoom, 4.0f);
        QVERIFY(!form.SetZoom(4.25f));
        QVERIFY(!form.SetZoom(0.0f));
        QCOMPARE(form.mZoom, 4.0f);
    }

    void aDrawingOverTheBoundIsRefusedAndTheZoomStaysWhatIsDrawn() {
        PreviewFixture f;
        f.loadAtScreenResolution(20040, 20040); // base 19978: 3.0 would exceed the bound
        Form2& form = *f.form;
        QVERIFY(form.SetZoom(2.75f));
        const QSizeF drawn = canvasSize(form);
        QCOMPARE(drawn, QSizeF(54939, 54939));
        const qint64 drawing = form.Picture1->image().cacheKey();
        press(form, 0);
        QCOMPARE(form.mZoom, 2.75f);
        QCOMPARE(scaled(form), QSize(54939, 54939));
        QCOMPARE(canvasSize(form), drawn);
        QCOMPARE(form.Picture1->image().cacheKey(), drawing);
        press(form, 1);
        QCOMPARE(form.mZoom, 2.5f);
        QCOMPARE(canvasSize(form), QSizeF(49945, 49945));
    }

    void theBoundIsAFourfoldDrawingOfTheLargestPage() {
        // A whole Letter sheet and a whole A4 sheet at 4.0 fit; one twip more
        // across either side of the budget does not.
        QVERIFY(Form2::drawingFits(4 * 12240, 4 * 15840));
        QVERIFY(Form2::drawingFits(4 * 11906, 4 * 16838));
        QVERIFY(!Form2::drawingFits(4 * 12240 + 1, 4 * 16838));
        QVERIFY(!Form2::drawingFits(1000, 4 * 16838 + 1));
        QVERIFY(!Form2::drawingFits(4 * 16838 + 1, 1000));
        // The scaled size is rounded down: 1001 x 0.25 = 250.25.
        PreviewFixture f;
        Form2& form = *f.form;
        f.load(1000, 1000);
        form.mBaseWidth = 1001;
        form.mBaseHeight = 1001;
        QVERIFY(form.SetZoom(0.25f));
        QCOMPARE(scaled(form), QSize(250, 250));
    }

    void aPageTooLargeAtZoomOneStaysAtItsNaturalSize() {
        PreviewFixture f;
        f.loadAtScreenResolution(9360, 100005); // far beyond any page
        Form2& form = *f.form;
        QCOMPARE(canvasSize(form), QSizeF(9360, 100005));
        QVERIFY(form.Picture1->hasPicture());
        QCOMPARE(form.HScroll1->maximum(), 30); // 30 twips beyond the viewport
        QCOMPARE(form.mHScrollUnit, int16_t{1});
        QCOMPARE(form.VScroll1->maximum(), 9270); // 92700 / 10
        QCOMPARE(form.mVScrollUnit, int16_t{10});
        // Zooming out passes over 0.75, which is still too tall.
        press(form, 1);
        QCOMPARE(form.mZoom, 0.5f);
        QCOMPARE(scaled(form), QSize(4649, 49971));
        QVERIFY(!form.HScroll1->isEnabled() && form.VScroll1->isEnabled());
        // Zooming in from there stops at the drawing on show.
        press(form, 0);
        QCOMPARE(form.mZoom, 0.5f);
        QCOMPARE(canvasSize(form), QSizeF(4649, 49971));
    }

    void scrollRangesAndUnits_data() {
        QTest::addColumn<float>("width");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("unit");
        QTest::newRow("70 beyond") << 9400.0f << true << 70 << 1;
        QTest::newRow("100 beyond") << 9430.0f << true << 100 << 1;
        QTest::newRow("105 beyond, ties to even") << 9435.0f << true << 10 << 10;
        QTest::newRow("2670 beyond") << 12000.0f << true << 267 << 10;
        QTest::newRow("as wide as the viewport") << 9330.0f << false << 32767 << 0;
        QTest::newRow("narrower") << 3000.0f << false << 32767 << 0;
    }

    void scrollRangesAndUnits() {
        QFETCH(float, width);
        QFETCH(bool, enabled);
        QFETCH(int, maximum);
        QFETCH(int, unit);
        PreviewFixture f;
        Form2& form = *f.form;
        form.Picture1->setTwipsGeometry(-500, -500, width, 7305 + 70);
        form.HScroll1->setValue(7);
        form.SetupScrollbars();
        QCOMPARE(f.canvasPos(), QPointF(0, 0));
        QCOMPARE(form.HScroll1->isEnabled(), enabled);
        QCOMPARE(form.HScroll1->maximum(), maximum);
        QCOMPARE(form.mHScrollUnit, int16_t(unit));
        QCOMPARE(form.HScroll1->value(), enabled ? 0 : 7); // a disabled bar keeps its value
        QCOMPARE(form.VScroll1->maximum(), 70);
        QCOMPARE(form.mVScrollUnit, int16_t{1});
        QCOMPARE(form.HScroll1->minimum(), 0);
        QCOMPARE(form.HScroll1->singleStep(), 1);
        QCOMPARE(form.HScroll1->pageStep(), 1);
    }

    void scrollingMovesTheCanvasWithoutRedrawing() {
        PreviewFixture f;
        f.load(12000, 9000);
        Form2& form = *f.form;
        const qint64 drawing = form.Picture1->image().cacheKey();
        form.HScroll1->setValue(134);
        form.VScroll1->setValue(3);
        QCOMPARE(f.canvasPos(), QPointF(-1340, -30));
        form.HScroll1->setValue(form.HScroll1->maximum());
        QCOMPARE(f.canvasPos(), QPointF(-2670, -30));
        QCOMPARE(form.Picture1->image().cacheKey(), drawing);
    }

    void zoomRecomputesTheRangesForTheDrawing() {
        PreviewFixture f;
        f.load(3000, 2000);
        Form2& form = *f.form;
        QVERIFY(form.SetZoom(3.25f)); // 9750 x 6500
        QVERIFY(form.HScroll1->isEnabled());
        QCOMPARE(form.HScroll1->maximum(), 42);
        QCOMPARE(form.mHScrollUnit, int16_t{10});
        QVERIFY(!form.VScroll1->isEnabled());
        form.HScroll1->setValue(42);
        QCOMPARE(form.Picture1->twipsLeft(), -420.0f);
        // A new zoom puts the page back at its corner.
        QVERIFY(form.SetZoom(3.0f));
        QCOMPARE(f.canvasPos(), QPointF(0, 0));
    }

    void draggingFollowsThePointerWithinTheEdges() {
        PreviewFixture f;
        f.load(12000, 9000);
        Form2& form = *f.form;
        const qint64 drawing = form.Picture1->image().cacheKey();
        form.Picture1_MouseDown(1, 0, 500, 500);
        form.Picture1_MouseMove(1, 0, 300, 450);
        QCOMPARE(f.canvasPos(), QPointF(-200, -50));
        form.Picture1_MouseMove(0, 0, 0, 0); // no button held
        QCOMPARE(f.canvasPos(), QPointF(-200, -50));
        form.Picture1_MouseMove(1, 0, 900, 900); // past the left and top edges
        QCOMPARE(f.canvasPos(), QPointF(0, 0));
        form.Picture1_MouseMove(2, 0, -5000, -5000); // past the right and bottom edges
        const float inner = form.Picture2->innerWidth();
        QCOMPARE(inner, 9270.0f);
        QCOMPARE(f.canvasPos(), QPointF(inner - 12000, form.Picture2->innerHeight() - 9000));
        QCOMPARE(form.Picture1->image().cacheKey(), drawing);
    }

    void theCanvasReportsItsMouseToTheDragHandlers() {
        PreviewFixture f;
        f.load(12000, 9000);
        Form2& form = *f.form;
        QWidget* canvas = form.Picture1;
        auto send = [canvas](QEvent::Type type, QPointF at, Qt::MouseButtons held) {
            QMouseEvent event(type, at, canvas->mapToGlobal(at), Qt::LeftButton, held,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(canvas, &event);
        };
        send(QEvent::MouseButtonPress, {100, 20}, Qt::LeftButton);
        QCOMPARE(QPointF(form.mDownX, form.mDownY), QPointF(1500, 300));
        send(QEvent::MouseMove, {10, 20}, Qt::LeftButton); // 90 px = 1350 twips left
        QCOMPARE(f.canvasPos(), QPointF(-1350, 0));
        send(QEvent::MouseButtonRelease, {10, 20}, Qt::NoButton);
        // 1350 of 2670 is 51 %, which is 136 steps of 267.
        QCOMPARE(form.HScroll1->value(), 136);
        QCOMPARE(f.canvasPos(), QPointF(-1360, 0));
    }

    void aNarrowCanvasDragsToOneEdgeOrTheOther() {
        PreviewFixture f;
        f.load(3000, 2000);
        Form2& form = *f.form;
        form.Picture1_MouseDown(1, 0, 100, 100);
        form.Picture1_MouseMove(1, 0, 90, 100);
        QCOMPARE(form.Picture1->twipsLeft(), 9270.0f - 3000.0f);
        form.Picture1_MouseMove(1, 0, 110, 100);
        QCOMPARE(form.Picture1->twipsLeft(), 0.0f);
    }

    void releaseSnapsToTheNearestScrollPosition() {
        PreviewFixture f;
        f.load(12000, 9000);
        Form2& form = *f.form;
        QCOMPARE(form.VScroll1->maximum(), 170); // 1695 / 10, ties to even
        form.Picture1->moveTwips(-1335, -850);
        form.Picture1_MouseUp(1, 0, 0, 0);
        QCOMPARE(form.HScroll1->value(), 134); // 50 % of 267 = 133.5
        QCOMPARE(form.VScroll1->value(), 85);  // 50 % of 170
        QCOMPARE(f.canvasPos(), QPointF(-1340, -850));
        QVERIFY(f.services.messages.boxes.isEmpty());
    }

    void releaseWithoutARangeLeavesTheBar() {
        PreviewFixture f;
        Form2& form = *f.form;
        form.Picture1->setTwipsGeometry(0, 0, 9330, 9000);
        form.SetupScrollbars();
        form.HScroll1->setValue(12);
        form.Picture1->moveTwips(-10, 0);
        form.Picture1_MouseUp(1, 0, 0, 0);
        QCOMPARE(form.HScroll1->value(), 12);
        QVERIFY(f.services.messages.boxes.isEmpty());
    }

    void percentSettersIgnoreValuesOutOfRange() {
        PreviewFixture f;
        Form2& form = *f.form;
        QScrollBar& h = *form.HScroll1;
        QScrollBar& v = *form.VScroll1;
        h.setMaximum(267);
        v.setMaximum(267);
        h.setValue(5);
        v.setValue(5);
        form.SetHScrollbarByPercent(h, 101); // 269.67 > 267
        form.SetHScrollbarByPercent(h, -1);
        form.SetVScrollbarByPercent(v, 101);
        form.SetVScrollbarByPercent(v, -1);
        QCOMPARE(h.value(), 5);
        QCOMPARE(v.value(), 5);
        form.SetHScrollbarByPercent(h, 100);
        form.SetVScrollbarByPercent(v, 50);
        QCOMPARE(h.value(), 267);
        QCOMPARE(v.value(), 134);
    }

    void failuresAreReportedByTheTrapAndTheRestRuns() {
        PreviewFixture f;
        f.load(1000, 1000);
        Form2& form = *f.form;
        form.mBaseWidth = 1 << 30;
        form.mZoom = 4.0f;
        QVERIFY(form.RedrawImage()); // the width stays as it was and fits
        QCOMPARE(f.services.messages.boxes.size(), 1);
        const auto& box = f.services.messages.boxes.front();
        QCOMPARE(box.caption, QStringLiteral("Application Error"));
        QVERIFY(box.text.startsWith(QStringLiteral("Overflow\r\n")));
        QVERIFY(box.text.contains(
            QStringLiteral("in Parvelin2021/08/31.Form2.RedrawImage at line 100\r\r")));
        QCOMPARE(form.mScaledHeight, 4000);
    }
};

QTEST_MAIN(TestPageView)
#include "test_page_view.moc"

// The page view on a screen of twice the usual pixels (QT_SCALE_FACTOR=2):
// the drawing has the screen's pixels, and is as sharp at 2.0 as at 1.0.
#include "PreviewFixture.h"
#include "RealPages.h"

#include <QtTest>

#include <cmath>

class TestPageViewHiDpi : public QObject {
    Q_OBJECT
private slots:
    void theDrawingUsesEveryScreenPixel() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        testing::PreviewFixture f;
        f.fill(testing::agendaPages(2, "en_US.UTF-8"));
        f.form->Form_Activate();
        Form2& form = *f.form;
        const QImage atOne = form.Picture1->image();
        QCOMPARE(atOne.devicePixelRatio(), 2.0);
        QCOMPARE(atOne.width(), 2 * form.Picture1->width());
        const double blurAtOne = testing::edgeBlur(atOne);
        QVERIFY(form.SetZoom(2.0f));
        const QImage atTwo = form.Picture1->image();
        QCOMPARE(atTwo.width(), 2 * form.Picture1->width());
        QVERIFY2(
            testing::edgeBlur(atTwo) < blurAtOne * 1.25,
            qPrintable(QStringLiteral("%1 vs %2").arg(testing::edgeBlur(atTwo)).arg(blurAtOne)));
        // A picture at the usual screen resolution, stretched to these
        // pixels, is visibly blurrier.
        testing::PreviewFixture g;
        g.fill({form.slotPicture(0).toImage(96)});
        g.form->Form_Activate();
        QVERIFY(testing::edgeBlur(g.form->Picture1->image()) > blurAtOne * 2);
    }

    // At 4.0 the screen's pixel ratio would make the drawing four times the
    // bound; the canvas allocates no more pixels than the bound allows, and
    // still draws every zoom step.
    void theLargestDrawingStaysWithinTheBoundInPixels() {
        testing::PreviewFixture f;
        f.fill(testing::agendaPages(2, "en_US.UTF-8"));
        f.form->Form_Activate();
        Form2& form = *f.form;
        for (int step = 1; step <= 16; ++step) {
            QVERIFY(form.SetZoom(0.25f * step));
            const QImage& drawing = form.Picture1->image();
            QVERIFY2(qint64(drawing.width()) * drawing.height() <= Form2::kMaxDrawPixels,
                     qPrintable(QStringLiteral("%1 x %2 at %3")
                                    .arg(drawing.width())
                                    .arg(drawing.height())
                                    .arg(form.mZoom)));
            // Always the whole canvas, however many pixels it has.
            const QSizeF covered = drawing.deviceIndependentSize() - QSizeF(form.Picture1->size());
            QVERIFY(std::abs(covered.width()) < 1 && std::abs(covered.height()) < 1);
        }
        QCOMPARE(form.mZoom, 4.0f);
        QVERIFY(testing::edgeBlur(form.Picture1->image()) > 0);
        QVERIFY(f.services.messages.boxes.isEmpty());
    }
};

QTEST_MAIN(TestPageViewHiDpi)
#include "test_page_view_hidpi.moc"

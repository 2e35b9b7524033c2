// The page view and the page list under real input on a shown preview:
// keys sent to the focused list, and the right button dragging the page
// or clicking for the context menu. Everything goes through the window,
// as the window system delivers it.
#include "PreviewFixture.h"

#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

using testing::PreviewFixture;

namespace {

// A page larger than the view, on a shown and active preview.
struct ShownPreview : PreviewFixture {
    ShownPreview() {
        fill({page(12062, 16062), page(12062, 16062, Qt::blue)});
        form->show();
        if (!QTest::qWaitForWindowActive(form.get()))
            qFatal("the preview did not become active");
    }
    QWindow* window() const { return form->windowHandle(); }
    // A point of the page view in the window's coordinates.
    QPoint inView(QPoint offset = {}) const {
        return form->Picture2->mapTo(form.get(), form->Picture2->rect().center() + offset);
    }
};

} // namespace

class TestPageViewInput : public QObject {
    Q_OBJECT
private slots:
    void releasingAZoomKeyInThePageListKeepsTheZoom() {
        ShownPreview f;
        Form2& form = *f.form;
        form.ListView1->setFocus();
        form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
        QTRY_VERIFY(form.ListView1->hasFocus());

        // Ctrl+Plus twice, Ctrl held throughout, released last.
        QTest::keyPress(f.window(), Qt::Key_Control, Qt::ControlModifier);
        QTest::keyClick(f.window(), Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(f.window(), Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyRelease(f.window(), Qt::Key_Control);
        QCOMPARE(form.mZoom, 1.5f);
        // Ctrl+Minus with the minus released after Ctrl.
        QTest::keyPress(f.window(), Qt::Key_Control, Qt::ControlModifier);
        QTest::keyPress(f.window(), Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyRelease(f.window(), Qt::Key_Control);
        QTest::keyRelease(f.window(), Qt::Key_Minus);
        QCOMPARE(form.mZoom, 1.25f);
        // Ctrl+wheel over the page, then Ctrl released over the list.
        QTest::keyPress(f.window(), Qt::Key_Control, Qt::ControlModifier);
        QWheelEvent wheel(QPointF(10, 10), form.Picture2->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                          false);
        QCoreApplication::sendEvent(form.Picture2, &wheel);
        QTest::keyRelease(f.window(), Qt::Key_Control);
        QCOMPARE(form.mZoom, 1.5f);

        // A key of the list's own still chooses the page afresh at 1.0.
        QTest::keyClick(f.window(), Qt::Key_Down);
        QCOMPARE(form.ListView1->currentItem(), form.ListView1->topLevelItem(1));
        QCOMPARE(form.mZoom, 1.0f);
        QVERIFY(f.services.messages.boxes.isEmpty());
    }

    void theRightButtonDragsThePageAndClicksOpenTheMenu() {
        ShownPreview f;
        Form2& form = *f.form;
        QCOMPARE(f.canvasPos(), QPointF(0, 0));

        // A drag with the right button moves the page; no menu on the way.
        QTest::mousePress(f.window(), Qt::RightButton, {}, f.inView());
        QVERIFY(!form.pageMenu->isVisible());
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(f.window(), f.inView(QPoint(-15, -15) * step));
        QTest::mouseRelease(f.window(), Qt::RightButton, {}, f.inView({-60, -60}));
        QTest::qWait(50);
        QVERIFY(!form.pageMenu->isVisible());
        QVERIFY2(f.canvasPos().x() < 0 && f.canvasPos().y() < 0,
                 qPrintable(QStringLiteral("%1,%2").arg(f.canvasPos().x()).arg(f.canvasPos().y())));

        // A right click without moving opens the menu on the release.
        QTest::mousePress(f.window(), Qt::RightButton, {}, f.inView());
        QTest::qWait(20);
        QVERIFY(!form.pageMenu->isVisible());
        QTest::mouseRelease(f.window(), Qt::RightButton, {}, f.inView());
        QTRY_VERIFY(form.pageMenu->isVisible());
        form.pageMenu->hide();

        // The left button drags as before.
        const QPointF before = f.canvasPos();
        QTest::mousePress(f.window(), Qt::LeftButton, {}, f.inView());
        QTest::mouseMove(f.window(), f.inView({20, 20}));
        QTest::mouseRelease(f.window(), Qt::LeftButton, {}, f.inView({20, 20}));
        QVERIFY(f.canvasPos() != before);
        QVERIFY(!form.pageMenu->isVisible());

        // The Menu key and Shift+F10 on the focused page view open it at once.
        form.Picture1->setFocus();
        QTRY_VERIFY(form.Picture1->hasFocus());
        QTest::keyClick(f.window(), Qt::Key_Menu);
        QTRY_VERIFY(form.pageMenu->isVisible());
        form.pageMenu->hide();
        QTest::keyClick(f.window(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(form.pageMenu->isVisible());
        form.pageMenu->hide();
        QVERIFY(f.services.messages.boxes.isEmpty());
    }
};

QTEST_MAIN(TestPageViewInput)
#include "test_page_view_input.moc"

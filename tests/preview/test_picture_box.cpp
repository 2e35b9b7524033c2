#include "platform/controls/PictureBox.h"
#include "platform/picture/Picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

using platform::PictureBox;

namespace {

// Left half red, right half blue, at 96 dpi.
QImage halves(int widthTwips, int heightTwips) {
    QImage picture = platform::makePicture(QSize(widthTwips, heightTwips), 96);
    QPainter painter(&picture);
    painter.fillRect(QRect(0, 0, picture.width() / 2, picture.height()), Qt::red);
    painter.fillRect(QRect(picture.width() / 2, 0, picture.width(), picture.height()), Qt::blue);
    return picture;
}

bool sendMouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button,
               Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, modifiers);
    QCoreApplication::sendEvent(widget, &event);
    return event.isAccepted();
}

} // namespace

class TestPictureBox : public QObject {
    Q_OBJECT
private slots:
    void plainPanelFillsItsBackground() {
        QWidget form;
        PictureBox panel(&form);
        QVERIFY(panel.autoFillBackground());
        QCOMPARE(panel.backgroundRole(), QPalette::Base);
        QVERIFY(!panel.hasBorder() && !panel.autoRedraw() && !panel.autoSize());
        // Placed in pixels by someone else, it reports that place in twips.
        panel.setGeometry(3, 21, 512, 286);
        QCOMPARE(panel.twipsLeft(), 45.0f);
        QCOMPARE(panel.twipsTop(), 315.0f);
        QCOMPARE(panel.twipsWidth(), 7680.0f);
        // Clicks nobody listens to go on to the container.
        QVERIFY(
            !sendMouse(&panel, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton));
    }

    void twipsAreKeptAsSetAndPlacedOnTheNearestPixel() {
        QWidget form;
        PictureBox viewport(&form);
        viewport.setBorderSingle(true);
        viewport.setTwipsGeometry(120, 1800, 9330, 7305);
        QCOMPARE(viewport.geometry(), QRect(8, 120, 622, 487));
        QCOMPARE(viewport.borderTwips(), 30.0f);
        QCOMPARE(viewport.innerWidth(), 9270.0f);
        QCOMPARE(viewport.innerHeight(), 7245.0f);
        PictureBox canvas(&viewport);
        canvas.setTwipsGeometry(-1340, 0, 12000, 9000);
        QCOMPARE(canvas.twipsLeft(), -1340.0f);
        // Inside a bordered box positions count from the inner corner.
        QCOMPARE(canvas.pos(), QPoint(-89 + 2, 2));
        canvas.moveTwips(-7.5f, 0);
        QCOMPARE(canvas.twipsLeft(), -7.5f);
    }

    void autoSizeFollowsThePictureBorderIncluded() {
        QWidget form;
        PictureBox box(&form);
        box.setTwipsGeometry(0, 0, 100, 100);
        box.setBorderSingle(true);
        box.setPicture(halves(9000, 6000));
        QCOMPARE(box.twipsWidth(), 100.0f); // not sizing yet
        box.setAutoSize(true);              // sizes at once
        QCOMPARE(QSizeF(box.twipsWidth(), box.twipsHeight()), QSizeF(9060, 6060));
        box.setPicture(halves(3000, 1500));
        QCOMPARE(QSizeF(box.innerWidth(), box.innerHeight()), QSizeF(3000, 1500));
    }

    void persistentImageHoldsPictureAndStretchedDrawing() {
        QWidget form;
        PictureBox box(&form);
        box.setTwipsGeometry(0, 0, 3000, 1500);
        box.setBackColor(Qt::white);
        box.setAutoRedraw(true);
        QCOMPARE(box.image().size(), QSize(200, 100));
        QCOMPARE(box.image().pixelColor(150, 50), QColor(Qt::white));
        const QImage picture = halves(1500, 1500);
        box.setPicture(picture);
        QCOMPARE(box.image().pixelColor(10, 50), QColor(Qt::red));
        QCOMPARE(box.image().pixelColor(90, 50), QColor(Qt::blue));
        QCOMPARE(box.image().pixelColor(150, 50), QColor(Qt::white));
        // The red half stretched over the whole box.
        box.paintPicture(picture, QRectF(0, 0, 3000, 1500), QRectF(0, 0, 750, 1500));
        QCOMPARE(box.image().pixelColor(190, 90), QColor(Qt::red));
        // Growing keeps the drawing; removing the picture starts afresh.
        box.setTwipsWidth(4500);
        QCOMPARE(box.image().size(), QSize(300, 100));
        QCOMPARE(box.image().pixelColor(190, 90), QColor(Qt::red));
        QCOMPARE(box.image().pixelColor(250, 50), QColor(Qt::white));
        box.clearPicture();
        QCOMPARE(box.image().pixelColor(10, 50), QColor(Qt::white));
    }

    void mouseIsReportedInTwipsOfTheClientArea() {
        QWidget form;
        PictureBox box(&form);
        box.setBorderSingle(true);
        box.setTwipsGeometry(0, 0, 3000, 3000);
        QSignalSpy down(&box, &PictureBox::mouseDown);
        QSignalSpy move(&box, &PictureBox::mouseMove);
        QSignalSpy up(&box, &PictureBox::mouseUp);
        QVERIFY(sendMouse(&box, QEvent::MouseButtonPress, {12, 22}, Qt::LeftButton, Qt::LeftButton,
                          Qt::ShiftModifier));
        sendMouse(&box, QEvent::MouseMove, {2, 2}, Qt::NoButton, Qt::LeftButton | Qt::RightButton,
                  Qt::ControlModifier | Qt::AltModifier);
        sendMouse(&box, QEvent::MouseButtonRelease, {4, 4}, Qt::RightButton, Qt::LeftButton);
        QCOMPARE(down.size(), 1);
        QCOMPARE(down[0], (QVariantList{1, 1, 150.0f, 300.0f}));
        QCOMPARE(move[0], (QVariantList{3, 6, 0.0f, 0.0f}));
        QCOMPARE(up[0], (QVariantList{2, 0, 30.0f, 30.0f}));
    }
};

QTEST_MAIN(TestPictureBox)
#include "test_picture_box.moc"

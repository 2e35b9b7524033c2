#pragma once

#include "../picture/Picture.h"

#include <QImage>
#include <QRectF>
#include <QWidget>

namespace platform {

// A picture box. Constructed plainly it is a panel that fills its background
// (the system window colour); on top of that it can
// - carry a standard single (sunken, 2 px) border; children and mouse
//   coordinates then count from the inner (client) corner,
// - show a picture at its natural size in twips, and size itself to it,
// - keep its drawing in a persistent image ("auto redraw") that a
//   PaintPicture-like call stretches pictures into,
// - keep its position and size in twips exactly as set (single precision),
//   placed on the nearest pixel,
// - report mouse buttons and positions in twips of its own client area.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    // Button and shift masks of the mouse signals.
    enum Button { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum Shift { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };
    static int shiftMaskOf(Qt::KeyboardModifiers modifiers);

    explicit PictureBox(QWidget* parent = nullptr);

    // The background colour of the current background role.
    void setBackColor(const QColor& colour);
    QColor backColor() const;

    void setBorderSingle(bool on);
    bool hasBorder() const { return m_border != nullptr; }
    // Border width on one side in pixels and twips; 0 without a border.
    int borderPixels() const;
    float borderTwips() const;

    // Geometry in twips relative to the client area of the container.
    void setTwipsGeometry(float left, float top, float width, float height);
    void moveTwips(float left, float top);
    void setTwipsWidth(float width);
    void setTwipsHeight(float height);
    float twipsLeft() const;
    float twipsTop() const;
    float twipsWidth() const;
    float twipsHeight() const;
    // The client area: the outer size less the border on both sides.
    float innerWidth() const { return twipsWidth() - 2 * borderTwips(); }
    float innerHeight() const { return twipsHeight() - 2 * borderTwips(); }

    // The picture, drawn at its natural size at the client corner. With
    // auto-size on, assigning one resizes the box to it.
    void setPicture(const Picture& picture);
    void clearPicture();
    const Picture& picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }

    // The persistent image: background and picture, plus whatever was
    // drawn into it since. Assigning or removing the picture starts it
    // afresh; resizing keeps what fits.
    void setAutoRedraw(bool on);
    bool autoRedraw() const { return m_autoRedraw; }
    const QImage& image() const { return m_image; }
    // Stretches the `source` rectangle (twips of `picture`) onto the
    // `target` rectangle (twips of the client area), replacing what was
    // there. The picture is drawn at the image's own resolution, so a
    // vector picture stays sharp at any stretch.
    void paintPicture(const Picture& picture, const QRectF& target, const QRectF& source);
    // The most pixels the persistent image may hold (0: no bound). A box
    // that would need more at the screen's pixel ratio keeps a coarser image,
    // so the bound holds on any screen.
    void setMaxImagePixels(qint64 pixels);
    qint64 maxImagePixels() const { return m_maxImagePixels; }

signals:
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void childEvent(QChildEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct TwipsGeometry {
        float left = 0, top = 0, width = 0, height = 0;
    };
    TwipsGeometry currentTwips() const;
    QRect pixelRectOf(const TwipsGeometry& g) const;
    void place(const TwipsGeometry& g);
    void fitToPicture();
    void startImage(bool keepDrawing);
    QPointF twipsOf(const QPointF& pixels) const;
    // The pixel ratio of the persistent image: the screen's, less when
    // the image would exceed its bound.
    double imageRatio() const;
    QSize clientSize() const;
    QSize imagePixelSize() const;
    // Where the picture stands at its natural size, in pixels of the client area.
    QRectF naturalRect() const;
    using MouseSignal = void (PictureBox::*)(int, int, float, float);
    void report(QMouseEvent* event, MouseSignal signal, Qt::MouseButtons buttons);

    QWidget* m_border = nullptr;
    TwipsGeometry m_twips;
    Picture m_picture;
    QImage m_image;
    bool m_autoSize = false;
    bool m_autoRedraw = false;
    bool m_hasDrawing = false; // painted into since the image was started
    qint64 m_maxImagePixels = 0;
};

} // namespace platform

#include "PictureBox.h"

#include "../picture/Picture.h"
#include "Twips.h"

#include <QChildEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace platform {

namespace {

constexpr int kBorderPixels = 2;

// The sunken frame of a bordered box, painted above the box's children so
// that a child larger than the client area disappears under it.
class BorderFrame final : public QWidget {
public:
    explicit BorderFrame(QWidget* box) : QWidget(box) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(box->rect());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        qDrawWinPanel(&painter, rect(), palette(), true, nullptr);
    }
};

int buttonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= PictureBox::LeftButton;
    if (buttons & Qt::RightButton)
        mask |= PictureBox::RightButton;
    if (buttons & Qt::MiddleButton)
        mask |= PictureBox::MiddleButton;
    return mask;
}

QRectF pixelsOf(const QRectF& twips, int dpi) {
    const double f = static_cast<double>(dpi) / kTwipsPerInch;
    return {twips.x() * f, twips.y() * f, twips.width() * f, twips.height() * f};
}

// Where a box's client area starts inside its container, in pixels.
int containerOffset(const QWidget* box) {
    const auto* container = qobject_cast<const PictureBox*>(box->parentWidget());
    return container ? container->borderPixels() : 0;
}

} // namespace

int PictureBox::shiftMaskOf(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= ShiftMask;
    if (modifiers & Qt::ControlModifier)
        mask |= CtrlMask;
    if (modifiers & Qt::AltModifier)
        mask |= AltMask;
    return mask;
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void PictureBox::setBackColor(const QColor& colour) {
    QPalette p = palette();
    p.setColor(backgroundRole(), colour);
    setPalette(p);
    if (m_autoRedraw)
        startImage(false);
    update();
}

QColor PictureBox::backColor() const {
    return palette().color(backgroundRole());
}

void PictureBox::setBorderSingle(bool on) {
    if (on == hasBorder())
        return;
    if (on) {
        m_border = new BorderFrame(this);
        m_border->show();
    } else {
        delete m_border;
        m_border = nullptr;
    }
    if (m_autoRedraw)
        startImage(true);
    update();
}

int PictureBox::borderPixels() const {
    return hasBorder() ? kBorderPixels : 0;
}

float PictureBox::borderTwips() const {
    return static_cast<float>(pixelsToTwips(borderPixels(), logicalDpi(this)));
}

// --- geometry -------------------------------------------------------------

QRect PictureBox::pixelRectOf(const TwipsGeometry& g) const {
    const int dpi = logicalDpi(this);
    const int offset = containerOffset(this);
    return {twipsToPixels(g.left, dpi) + offset, twipsToPixels(g.top, dpi) + offset,
            twipsToPixels(g.width, dpi), twipsToPixels(g.height, dpi)};
}

PictureBox::TwipsGeometry PictureBox::currentTwips() const {
    // Kept as set unless someone placed the box in pixels since.
    if (pixelRectOf(m_twips) == geometry())
        return m_twips;
    const int dpi = logicalDpi(this);
    const int offset = containerOffset(this);
    auto t = [dpi](int px) { return static_cast<float>(pixelsToTwips(px, dpi)); };
    const QRect g = geometry();
    return {t(g.x() - offset), t(g.y() - offset), t(g.width()), t(g.height())};
}

void PictureBox::place(const TwipsGeometry& g) {
    m_twips = g;
    setGeometry(pixelRectOf(g));
    if (m_border)
        m_border->setGeometry(rect());
    if (m_autoRedraw && m_image.size() != imagePixelSize())
        startImage(true);
}

void PictureBox::setTwipsGeometry(float left, float top, float width, float height) {
    place({left, top, width, height});
}

void PictureBox::moveTwips(float left, float top) {
    TwipsGeometry g = currentTwips();
    g.left = left;
    g.top = top;
    place(g);
}

void PictureBox::setTwipsWidth(float width) {
    TwipsGeometry g = currentTwips();
    g.width = width;
    place(g);
}

void PictureBox::setTwipsHeight(float height) {
    TwipsGeometry g = currentTwips();
    g.height = height;
    place(g);
}

float PictureBox::twipsLeft() const {
    return currentTwips().left;
}
float PictureBox::twipsTop() const {
    return currentTwips().top;
}
float PictureBox::twipsWidth() const {
    return currentTwips().width;
}
float PictureBox::twipsHeight() const {
    return currentTwips().height;
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_border)
        m_border->setGeometry(rect());
    if (m_autoRedraw && m_image.size() != imagePixelSize())
        startImage(true);
}

void PictureBox::childEvent(QChildEvent* event) {
    QWidget::childEvent(event);
    // The frame stays above every child.
    if (m_border && event->child() != m_border &&
        (event->added() || event->type() == QEvent::ChildPolished))
        m_border->raise();
}

// --- picture and persistent image -----------------------------------------

void PictureBox::setPicture(const Picture& picture) {
    m_picture = picture;
    if (m_autoSize)
        fitToPicture();
    if (m_autoRedraw)
        startImage(false);
    update();
}

void PictureBox::clearPicture() {
    m_picture = Picture();
    if (m_autoRedraw)
        startImage(false);
    update();
}

void PictureBox::setAutoSize(bool on) {
    m_autoSize = on;
    if (on)
        fitToPicture();
}

void PictureBox::fitToPicture() {
    if (m_picture.isNull())
        return;
    const QSize natural = m_picture.twipsSize();
    TwipsGeometry g = currentTwips();
    g.width = static_cast<float>(natural.width()) + 2 * borderTwips();
    g.height = static_cast<float>(natural.height()) + 2 * borderTwips();
    place(g);
}

void PictureBox::setAutoRedraw(bool on) {
    m_autoRedraw = on;
    if (on)
        startImage(false);
    else
        m_image = QImage();
    update();
}

void PictureBox::setMaxImagePixels(qint64 pixels) {
    m_maxImagePixels = pixels;
    if (m_autoRedraw && m_image.size() != imagePixelSize())
        startImage(true);
}

QSize PictureBox::clientSize() const {
    const QSize client = size() - QSize(2 * borderPixels(), 2 * borderPixels());
    return client.expandedTo(QSize(1, 1));
}

double PictureBox::imageRatio() const {
    const double screen = devicePixelRatioF();
    if (m_maxImagePixels <= 0)
        return screen;
    const QSize client = clientSize();
    const double area = static_cast<double>(client.width()) * client.height();
    return std::min(screen, std::sqrt(static_cast<double>(m_maxImagePixels) / area));
}

QSize PictureBox::imagePixelSize() const {
    const double ratio = imageRatio();
    const QSize client = clientSize();
    // Rounded down, so that the bound holds for the pixels actually made.
    return QSize(static_cast<int>(client.width() * ratio),
                 static_cast<int>(client.height() * ratio))
        .expandedTo(QSize(1, 1));
}

// The previous image is released before the new one is made, unless
// something was painted into it that the new one has to keep: a box never
// holds two images of its full size at a time only to throw one away.
void PictureBox::startImage(bool keepDrawing) {
    QImage previous;
    if (keepDrawing && m_hasDrawing)
        previous = std::exchange(m_image, QImage());
    else
        m_image = QImage();
    m_hasDrawing = !previous.isNull();
    const QSize pixels = imagePixelSize();
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(static_cast<double>(pixels.width()) / clientSize().width());
    m_image.fill(backColor());
    QPainter painter(&m_image);
    m_picture.draw(painter, naturalRect());
    if (!previous.isNull())
        painter.drawImage(QPointF(0, 0), previous);
}

void PictureBox::paintPicture(const Picture& picture, const QRectF& target, const QRectF& source) {
    if (m_image.isNull() || m_image.size() != imagePixelSize())
        startImage(true);
    QPainter painter(&m_image);
    picture.draw(painter, pixelsOf(target, logicalDpi(this)), source);
    m_hasDrawing = true;
    update();
}

QRectF PictureBox::naturalRect() const {
    return pixelsOf(QRectF(QPointF(0, 0), m_picture.twipsSize()), logicalDpi(this));
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A style sheet's background for the box, where one is set (the
    // skin's panels); nothing under any other style.
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    const QPointF corner(borderPixels(), borderPixels());
    if (m_autoRedraw && !m_image.isNull()) {
        painter.drawImage(corner, m_image);
    } else {
        m_picture.draw(painter, naturalRect().translated(corner));
    }
}

// --- mouse ----------------------------------------------------------------

QPointF PictureBox::twipsOf(const QPointF& pixels) const {
    const int dpi = logicalDpi(this);
    const QPointF client = pixels - QPointF(borderPixels(), borderPixels());
    return {pixelsToTwips(client.x(), dpi), pixelsToTwips(client.y(), dpi)};
}

void PictureBox::report(QMouseEvent* event, MouseSignal signal, Qt::MouseButtons buttons) {
    // A box nobody listens to passes the event on, as a plain panel does.
    if (!isSignalConnected(QMetaMethod::fromSignal(signal))) {
        event->ignore();
        return;
    }
    const QPointF t = twipsOf(event->position());
    emit(this->*signal)(buttonMask(buttons), shiftMaskOf(event->modifiers()),
                        static_cast<float>(t.x()), static_cast<float>(t.y()));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    report(event, &PictureBox::mouseDown, event->button());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    report(event, &PictureBox::mouseMove, event->buttons());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    report(event, &PictureBox::mouseUp, event->button());
}

} // namespace platform

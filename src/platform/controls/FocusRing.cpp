#include "FocusRing.h"

#include "Contrast.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QTabBar>

namespace platform {

namespace {

// The widget whose background shows around `control`: the nearest
// ancestor that paints one.
const QWidget* backgroundOf(const QWidget* control) {
    const QWidget* w = control->parentWidget();
    while (w && !w->isWindow() && !w->autoFillBackground() &&
           !w->testAttribute(Qt::WA_StyledBackground))
        w = w->parentWidget();
    return w ? w : control;
}

} // namespace

FocusRing::FocusRing(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* focused) {
    if (m_target)
        m_target->removeEventFilter(this);
    const bool ours = focused && focused != this && focused != parentWidget() &&
                      focused->window() == parentWidget();
    m_target = ours ? focused : nullptr;
    if (m_target)
        m_target->installEventFilter(this);
    place();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        case QEvent::Paint: // a tab bar's current tab changes without an event of its own
            if (qobject_cast<QTabBar*>(watched))
                place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The control's rectangle in window coordinates, cut to what its
// containers show of it.
QRect FocusRing::targetRect() const {
    QRect local = m_target->rect();
    if (const auto* bar = qobject_cast<const QTabBar*>(m_target.data());
        bar && bar->currentIndex() >= 0)
        local = bar->tabRect(bar->currentIndex());
    const QWidget* window = parentWidget();
    QRect rect(m_target->mapTo(window, local.topLeft()), local.size());
    for (const QWidget* w = m_target->parentWidget(); w && w != window; w = w->parentWidget())
        rect &= QRect(w->mapTo(window, QPoint(0, 0)), w->size());
    return rect;
}

void FocusRing::place() {
    if (!m_target || !m_target->isVisible()) {
        hide();
        return;
    }
    const QRect rect = targetRect();
    if (rect.isEmpty()) {
        hide();
        return;
    }
    const int out = kWidth + kGap;
    const QRect ring = rect.adjusted(-out, -out, out, out);
    if (geometry() != ring || !isVisible()) {
        // Only the band is the ring's own: what it surrounds is not
        // painted again when the ring moves.
        const QRect outer(QPoint(0, 0), ring.size());
        setMask(QRegion(outer) - QRegion(outer.adjusted(kWidth, kWidth, -kWidth, -kWidth)));
        setGeometry(ring);
        raise();
        show();
    }
}

QColor FocusRing::ringColour() const {
    const QWidget* back = backgroundOf(m_target);
    const QPalette& palette = back->palette();
    const QColor background = palette.color(back->backgroundRole());
    return contrastingColour(background,
                             {palette.color(QPalette::Highlight),
                              palette.color(back->foregroundRole())},
                             3.0);
}

void FocusRing::paintEvent(QPaintEvent*) {
    if (!m_target)
        return;
    QPainter painter(this);
    const QRect outer = rect();
    const QColor colour = ringColour();
    // Four bands, so that nothing inside the ring is touched.
    painter.fillRect(QRect(0, 0, outer.width(), kWidth), colour);
    painter.fillRect(QRect(0, outer.height() - kWidth, outer.width(), kWidth), colour);
    painter.fillRect(QRect(0, 0, kWidth, outer.height()), colour);
    painter.fillRect(QRect(outer.width() - kWidth, 0, kWidth, outer.height()), colour);
}

} // namespace platform

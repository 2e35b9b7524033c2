#include "FocusRing.h"

#include "Contrast.h"
#include "TabControl.h"

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

FocusRing::FocusRing(QWidget* window) : QWidget(window), m_window(window) {
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
    const bool ours =
        focused && focused != this && focused != m_window && focused->window() == m_window;
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
    // In the coordinates of the ring's own parent: the window, or the area
    // that holds the window's controls below its menu bar.
    const QWidget* host = parentWidget();
    const auto onHost = [host](const QWidget* w, QRect r) {
        return QRect(host->mapFromGlobal(w->mapToGlobal(r.topLeft())), r.size());
    };
    QRect rect = onHost(m_target, local);
    m_framed = m_target;
    for (QWidget* w = m_target->parentWidget(); w && w != m_window; w = w->parentWidget()) {
        const QRect container = onHost(w, w->rect());
        if (!container.contains(rect))
            m_framed = w; // the ring goes round what shows of the control
        rect &= container;
    }
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
    const int out = 2 * kWidth + kGap;
    const QRect ring = rect.adjusted(-out, -out, out, out + belowTabPanelEdge(rect));
    if (geometry() != ring || !isVisible()) {
        // Only the band is the ring's own: what it surrounds is not
        // painted again when the ring moves.
        const QRect outer(QPoint(0, 0), ring.size());
        const int band = 2 * kWidth;
        setMask(QRegion(outer) - QRegion(outer.adjusted(band, band, -band, -band)));
        setGeometry(ring);
        raise();
        show();
    }
}

// How far a tab's ring must reach further down so that its lower side lies
// wholly on the panel below the tab, whose colour the ring is chosen
// against, and not partly on the frame line above the panel (a dark line
// under a ring in a dark colour would hide one of its two pixels).
int FocusRing::belowTabPanelEdge(const QRect& rect) const {
    const auto* tabs = qobject_cast<const TabControl*>(m_target->parentWidget());
    const QWidget* panel = tabs ? tabs->panel(tabs->currentIndex()) : nullptr;
    if (!panel || !qobject_cast<const QTabBar*>(m_target.data()))
        return 0;
    const int edge = parentWidget()->mapFromGlobal(panel->mapToGlobal(QPoint(0, 0))).y();
    const int lowerSide = rect.bottom() + kGap + 1;
    return edge > lowerSide && edge < lowerSide + 2 * kWidth ? edge - lowerSide : 0;
}

QColor FocusRing::ringColour() const {
    const QWidget* framed = m_framed ? m_framed.data() : m_target.data();
    const QWidget* back = backgroundOf(framed);
    const QPalette& palette = back->palette();
    QColor background = palette.color(back->backgroundRole());
    // A tab's ring stands on the panel below it as much as on the window:
    // the panel as it is drawn, a style sheet's background included.
    if (const auto* tabs = qobject_cast<const TabControl*>(framed->parentWidget());
        tabs && qobject_cast<const QTabBar*>(framed)) {
        if (QWidget* panel = tabs->panel(tabs->currentIndex()))
            background = panel->grab(QRect(panel->width() / 2, 1, 1, 1)).toImage().pixelColor(0, 0);
    }
    return contrastingColour(
        background, {palette.color(back->foregroundRole()), palette.color(QPalette::Highlight)},
        3.0);
}

// Two bands: the inner in the ring's colour, the outer in black or white,
// whichever stands out more from it, so that the ring shows at 3:1 or more
// over whatever lies under it, a neighbouring control included.
void FocusRing::paintEvent(QPaintEvent*) {
    if (!m_target)
        return;
    QPainter painter(this);
    const QColor colour = ringColour();
    const QColor halo = contrastingColour(colour, {}, 21.0);
    const auto band = [&](const QRect& r, const QColor& c) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), kWidth), c);
        painter.fillRect(QRect(r.left(), r.bottom() - kWidth + 1, r.width(), kWidth), c);
        painter.fillRect(QRect(r.left(), r.top(), kWidth, r.height()), c);
        painter.fillRect(QRect(r.right() - kWidth + 1, r.top(), kWidth, r.height()), c);
    };
    band(rect(), halo);
    band(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth), colour);
}

} // namespace platform

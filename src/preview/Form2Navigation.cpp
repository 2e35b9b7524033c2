// The page view under the wheel and the keyboard: the wheel scrolls through
// the scroll bars (so their change handlers move the page and the thumbs
// follow), Ctrl+wheel and Ctrl+Plus/Minus zoom as the buttons do, and Page
// Up/Down over the page move it by a viewport, the arrow keys as a notch of
// the wheel does; Alt+Left goes back to the entry window.

#include "Form2.h"

#include "../platform/controls/PictureBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QWheelEvent>

#include <cmath>

namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr int kNotch = 120;
// The height of a line of text the wheel scrolls by: 12 points.
constexpr int kLineTwips = 240;

} // namespace

// Ctrl+Plus also as Ctrl+= (the plus key unshifted) and the keypad's;
// the platform's own zoom keys as well, each sequence once (a sequence
// bound twice would be ambiguous and do nothing).
void Form2::createNavigationKeys() {
    const auto bind = [this](QList<QKeySequence> keys, void (Form2::*handler)()) {
        QList<QKeySequence> unique;
        for (const QKeySequence& k : keys)
            if (!k.isEmpty() && !unique.contains(k))
                unique << k;
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(unique);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    const auto ctrl = [](Qt::Key key, Qt::KeyboardModifiers more = {}) {
        return QKeySequence(QKeyCombination(Qt::ControlModifier | more, key));
    };
    bind(QKeySequence::keyBindings(QKeySequence::ZoomIn) +
             QList<QKeySequence>{ctrl(Qt::Key_Plus), ctrl(Qt::Key_Equal),
                                 ctrl(Qt::Key_Plus, Qt::KeypadModifier)},
         &Form2::PushButton1_Click);
    bind(QKeySequence::keyBindings(QKeySequence::ZoomOut) +
             QList<QKeySequence>{ctrl(Qt::Key_Minus), ctrl(Qt::Key_Minus, Qt::KeypadModifier)},
         &Form2::PushButton2_Click);
    // Alt+Left (and a keyboard's Back key) goes back as "< Back" does.
    bind({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Back)},
         &Form2::PushButton8_Click);
    for (QWidget* view : std::initializer_list<QWidget*>{Picture2, Picture1})
        view->installEventFilter(this);
}

bool Form2::pageViewEvent(QEvent* event) {
    if (pageMenuEvent(event))
        return true;
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        wheelOverPageView(wheel->angleDelta(), wheel->modifiers());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
            return false;
        const float page = Picture2->innerHeight();
        const float line = static_cast<float>(QApplication::wheelScrollLines() * kLineTwips);
        switch (key->key()) {
        case Qt::Key_PageDown:
            scrollPageView(Qt::Vertical, page);
            return true;
        case Qt::Key_PageUp:
            scrollPageView(Qt::Vertical, -page);
            return true;
        case Qt::Key_Down:
            scrollPageView(Qt::Vertical, line);
            return true;
        case Qt::Key_Up:
            scrollPageView(Qt::Vertical, -line);
            return true;
        case Qt::Key_Right:
            scrollPageView(Qt::Horizontal, line);
            return true;
        case Qt::Key_Left:
            scrollPageView(Qt::Horizontal, -line);
            return true;
        default:
            return false;
        }
    }
    return false;
}

void Form2::wheelOverPageView(QPoint angleDelta, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ControlModifier) {
        // Whole notches zoom; a smooth wheel's small steps add up to one.
        m_zoomWheel += angleDelta.y() != 0 ? angleDelta.y() : angleDelta.x();
        for (; m_zoomWheel >= kNotch; m_zoomWheel -= kNotch)
            PushButton1_Click();
        for (; m_zoomWheel <= -kNotch; m_zoomWheel += kNotch)
            PushButton2_Click();
        return;
    }
    const bool sideways = modifiers & Qt::ShiftModifier;
    // Some systems turn Shift+wheel into a sideways wheel themselves.
    const int across = sideways && angleDelta.x() == 0 ? angleDelta.y() : angleDelta.x();
    const int down = sideways ? 0 : angleDelta.y();
    const double perNotch = QApplication::wheelScrollLines() * kLineTwips;
    if (across != 0)
        scrollPageView(Qt::Horizontal, static_cast<float>(-across * perNotch / kNotch));
    if (down != 0)
        scrollPageView(Qt::Vertical, static_cast<float>(-down * perNotch / kNotch));
}

void Form2::scrollPageView(Qt::Orientation orientation, float twips) {
    QScrollBar& bar = orientation == Qt::Horizontal ? *HScroll1 : *VScroll1;
    const int16_t unit = orientation == Qt::Horizontal ? mHScrollUnit : mVScrollUnit;
    if (!bar.isEnabled() || unit <= 0)
        return;
    const long steps = std::lround(twips / unit);
    const long wanted = std::clamp<long>(bar.value() + steps, bar.minimum(), bar.maximum());
    bar.setValue(static_cast<int>(wanted));
}

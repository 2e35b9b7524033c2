#pragma once

#include <QPointer>
#include <QWidget>

class QTabBar;

namespace platform {

// A focus indicator for every control of one window, whatever the style
// draws: a ring 2 pixels wide just outside the focused control (the current
// tab of a tab bar; the visible part of a control inside a smaller one, such
// as a page inside its viewport): an inner band in a colour at 3:1 or more
// against the background around it, an outer band in black or white. It
// lies over the window and takes no input.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(QWidget* window);

    static constexpr int kWidth = 2;
    // The gap between the control's edge and the ring.
    static constexpr int kGap = 1;

    // The control the ring surrounds; none while the focus is elsewhere.
    QWidget* target() const { return m_target; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focused);
    void place();
    QRect targetRect() const;
    int belowTabPanelEdge(const QRect& rect) const;
    QColor ringColour() const;

    QWidget* m_window;
    QPointer<QWidget> m_target;
    // The control, or the container that cuts it, that the ring goes round.
    mutable QPointer<QWidget> m_framed;
};

} // namespace platform

#pragma once

#include "MousePointer.h"

#include <QCursor>
#include <QPointer>
#include <QWidget>

class QMenuBar;

#include <optional>
#include <utility>
#include <vector>

namespace platform {

class FocusRing;

// A top-level window with a mouse pointer setting that covers the whole
// window: default, busy (hourglass) or the custom pointer picture.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(QWidget* parent = nullptr);
    ~FormWindow() override;

    int mousePointer() const { return m_pointer; }
    void setMousePointer(int pointer);
    // The picture of the custom pointer; without one it shows as the arrow.
    void setMouseIcon(const QCursor& cursor);
    bool hasMouseIcon() const { return m_icon.has_value(); }

    // Pointer rules shared by the windows: never replace the busy pointer.
    void pointerOverButton();
    void pointerOverBackground();

    // Puts `bar` above the window's client area. The controls move into a
    // client area below the bar, keeping their places in it, and a window
    // of fixed size grows by the bar's height. Once per window.
    void setMenuBar(QMenuBar* bar);
    QMenuBar* menuBar() const { return m_menuBar; }
    // What holds the controls: the window itself until it has a menu bar.
    QWidget* clientArea() const;
    // The control of `widget` (this window or one of its controls) under
    // `at`; null over the background, which the client area is part of.
    QWidget* controlAt(const QWidget* widget, QPoint at) const;

    // The focus indicator drawn around whichever control has the focus.
    FocusRing* focusRing() const { return m_focusRing; }

protected:
    void changeEvent(QEvent* event) override;

private:
    // Text at 4.5:1 or more whatever the colour scheme (a selection's
    // colours included).
    void keepTextReadable();
    void applyPointer();
    // Every control shows the busy pointer; their own pointers are kept aside.
    void coverControls();
    void uncoverControls();

    FocusRing* m_focusRing;
    QMenuBar* m_menuBar = nullptr;
    QWidget* m_client = nullptr;
    int m_pointer = PointerDefault;
    std::optional<QCursor> m_icon;
    std::vector<std::pair<QPointer<QWidget>, std::optional<QCursor>>> m_covered;
};

// A Windows cursor file (.cur) as a pointer, hot spot included.
// Fails with a description when the file cannot be read.
QCursor loadCursorFile(const QString& path);

} // namespace platform

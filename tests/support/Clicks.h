#pragma once

#include <QPushButton>
#include <QtTest>

namespace testing {

// A click of the left mouse button on the middle of `button`, which must be
// on show: what it does goes through the window's own wiring.
inline void click(QPushButton* button) {
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

// Shows `window` and waits until it is on the screen (or active).
inline bool showAndWait(QWidget& window, bool active = false) {
    window.show();
    return active ? QTest::qWaitForWindowActive(&window) : QTest::qWaitForWindowExposed(&window);
}

} // namespace testing

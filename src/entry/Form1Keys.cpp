// The entry window's keys for its tabs: Ctrl+Tab and Ctrl+Page Down bring
// the next tab to the front, Ctrl+Shift+Tab and Ctrl+Page Up the one
// before, wherever the focus is in the window, round from the last to the first.

#include "Form1.h"

#include "../platform/controls/TabControl.h"

#include <QShortcut>

namespace {

QKeySequence ctrl(Qt::Key key, Qt::KeyboardModifiers more = {}) {
    return QKeySequence(QKeyCombination(Qt::ControlModifier | more, key));
}

} // namespace

void Form1::createTabKeys() {
    const auto bind = [this](const QList<QKeySequence>& keys, int step) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step] {
            const int count = SSTab1->count();
            SSTab1->setCurrentIndex((SSTab1->currentIndex() + step + count) % count);
        });
    };
    bind({ctrl(Qt::Key_Tab), ctrl(Qt::Key_PageDown)}, 1);
    // Shift+Tab arrives as Backtab, with or without the Shift it took.
    bind({ctrl(Qt::Key_Backtab, Qt::ShiftModifier), ctrl(Qt::Key_Backtab),
          ctrl(Qt::Key_Tab, Qt::ShiftModifier), ctrl(Qt::Key_PageUp)},
         -1);
}

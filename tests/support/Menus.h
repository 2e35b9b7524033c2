#pragma once

#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace testing {

// Opens the bar's menu `title` with a click on its title, and returns it
// open; null when the bar has no such menu.
inline QMenu* openMenu(QMenuBar* bar, const QString& title) {
    for (QAction* action : bar->actions()) {
        if (!action->menu() || action->text() != title)
            continue;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
        QMenu* menu = action->menu();
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
            return nullptr;
        return menu;
    }
    return nullptr;
}

// Clicks the item of an open menu whose text is `text` (up to a tab and the
// keys it shows); false when the menu has none or it is disabled.
inline bool clickItem(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != text || !action->isEnabled())
            continue;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        return true;
    }
    return false;
}

// The texts of a menu's items without their mnemonics; "-" for a separator.
inline QStringList itemTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator()
                      ? QStringLiteral("-")
                      : action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')));
    return texts;
}

} // namespace testing

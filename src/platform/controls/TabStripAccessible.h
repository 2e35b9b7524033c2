#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QTabBar;

namespace platform {

// What assistive technology reads of a tab control's row of tabs: a page
// tab list under its own accessible name, with one page tab per tab. Qt's
// own reading of a tab row names the row after its current tab and ignores
// the name the row was given, so a screen reader announced the list of
// tabs as "Time".
class TabStripAccessible : public QAccessibleWidget {
public:
    explicit TabStripAccessible(QTabBar* bar);
    ~TabStripAccessible() override;

    // Reads the tab rows of `TabControl`s this way from now on; the other
    // tab rows stay as Qt reads them.
    static void install();

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

private:
    QTabBar* bar() const;

    mutable QHash<int, QAccessible::Id> m_tabs;
};

} // namespace platform

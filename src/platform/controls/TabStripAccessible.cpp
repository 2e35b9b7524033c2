#include "TabStripAccessible.h"

#include <QAccessibleActionInterface>
#include <QPointer>
#include <QTabBar>

namespace platform {

namespace {
// The tab rows read this way are told apart by their object name.
const QString kTabRowName = QStringLiteral("tabs");

// One tab of the row: not a widget of its own, so an interface that holds
// the row and the tab's index.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : m_bar(bar), m_index(index) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }
    QObject* object() const override { return nullptr; }
    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_bar.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name)
            return QString();
        const QString name = m_bar->accessibleTabName(m_index);
        return name.isEmpty() ? withoutAccessKey(m_bar->tabText(m_index)) : name;
    }

    QRect rect() const override {
        if (!isValid())
            return QRect();
        const QRect tab = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(tab.topLeft()), tab.size());
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        const bool current = m_index == m_bar->currentIndex();
        s.selectable = true;
        s.focusable = true;
        s.selected = current;
        s.focused = current && m_bar->hasFocus();
        s.disabled = !m_bar->isTabEnabled(m_index);
        s.invisible = !m_bar->isVisible() || !m_bar->isTabVisible(m_index);
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (isValid() && name == pressAction())
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    static QString withoutAccessKey(QString text) {
        // "&&" shows one "&"; a lone "&" marks the access key.
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i] == u'&')
                text.remove(i, 1);
        return text;
    }

    QPointer<QTabBar> m_bar;
    int m_index;
};

QAccessibleInterface* tabRowFactory(const QString& className, QObject* object) {
    auto* bar = qobject_cast<QTabBar*>(object);
    if (className != QLatin1String("QTabBar") || !bar || bar->objectName() != kTabRowName)
        return nullptr;
    return new TabStripAccessible(bar);
}
} // namespace

TabStripAccessible::TabStripAccessible(QTabBar* bar)
    : QAccessibleWidget(bar, QAccessible::PageTabList) {}

TabStripAccessible::~TabStripAccessible() {
    for (QAccessible::Id id : std::as_const(m_tabs))
        QAccessible::deleteAccessibleInterface(id);
}

void TabStripAccessible::install() {
    QAccessible::installFactory(tabRowFactory); // once: Qt keeps no factory twice
}

QTabBar* TabStripAccessible::bar() const {
    return static_cast<QTabBar*>(object());
}

QString TabStripAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && !bar()->accessibleName().isEmpty())
        return bar()->accessibleName();
    if (t == QAccessible::Name && bar()->currentIndex() >= 0)
        return child(bar()->currentIndex())->text(t);
    return QAccessibleWidget::text(t);
}

int TabStripAccessible::childCount() const {
    return bar()->count();
}

QAccessibleInterface* TabStripAccessible::child(int index) const {
    if (index < 0 || index >= bar()->count())
        return nullptr;
    if (const auto known = m_tabs.constFind(index); known != m_tabs.cend())
        return QAccessible::accessibleInterface(*known);
    auto* tab = new TabAccessible(bar(), index);
    m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
}

int TabStripAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (auto it = m_tabs.cbegin(); it != m_tabs.cend(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key() < childCount() ? it.key() : -1;
    return -1;
}

QAccessibleInterface* TabStripAccessible::focusChild() const {
    return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
}

} // namespace platform

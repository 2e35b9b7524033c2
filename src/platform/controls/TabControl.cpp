#include "TabControl.h"

#include "TabStripAccessible.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace platform {

TabControl::TabControl(QWidget* parent) : QWidget(parent), m_bar(new QTabBar(this)) {
    m_bar->setObjectName(QStringLiteral("tabs"));
    m_bar->setDrawBase(false);
    m_bar->setExpanding(true);
    m_bar->setFocusPolicy(Qt::TabFocus);
    setFocusProxy(m_bar);
    TabStripAccessible::install();
    connect(m_bar, &QTabBar::currentChanged, this, [this](int index) {
        showCurrentPanel();
        emit currentChanged(index);
    });
}

int TabControl::addTab(const QString& caption) {
    m_panels.append(nullptr);
    return m_bar->addTab(caption);
}

void TabControl::setPanel(int index, QWidget* panel) {
    m_panels[index] = panel;
    panel->setParent(this);
    showCurrentPanel();
}

QWidget* TabControl::panel(int index) const {
    return m_panels.value(index);
}
QString TabControl::tabCaption(int index) const {
    return m_bar->tabText(index);
}
int TabControl::count() const {
    return m_bar->count();
}
int TabControl::currentIndex() const {
    return m_bar->currentIndex();
}
void TabControl::setCurrentIndex(int index) {
    m_bar->setCurrentIndex(index);
}

void TabControl::showCurrentPanel() {
    for (qsizetype i = 0; i < m_panels.size(); ++i) {
        if (m_panels[i])
            m_panels[i]->setVisible(i == m_bar->currentIndex());
    }
}

void TabControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The tabs fill the strip above the panels.
    int top = height();
    for (QWidget* p : std::as_const(m_panels)) {
        if (p)
            top = qMin(top, p->y());
    }
    m_bar->setGeometry(0, 0, width(), top == height() ? m_bar->sizeHint().height() : top);
}

void TabControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, m_bar->height() - 1, 0, 0);
    frame.tabBarSize = m_bar->size();
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

} // namespace platform

#pragma once

#include <QWidget>

class QTabBar;

namespace platform {

// A tab control whose panels sit at fixed positions inside it: a row of
// tabs across the top and one panel shown per tab.
class TabControl : public QWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    // Adds a tab; "&&" in the caption shows as one "&".
    int addTab(const QString& caption);
    // The panel shown while tab `index` is in front; a child of this control.
    void setPanel(int index, QWidget* panel);
    QWidget* panel(int index) const;
    QString tabCaption(int index) const;
    int count() const;

    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar* tabBar() const { return m_bar; }

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showCurrentPanel();

    QTabBar* m_bar;
    QList<QWidget*> m_panels;
};

} // namespace platform

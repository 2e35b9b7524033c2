// The preview window for assistive technology: names for the page list,
// the scroll bars and the page view; the page view's "Page n of m, zoom
// z %", announced whenever the page or the zoom changes; and a page chosen
// in the list through the accessibility interface shown as a click shows it.

#include "Form2.h"

#include "../platform/controls/PictureBox.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTreeWidget>

#include <cmath>

void Form2::createAccessibility() {
    setAccessibleDescription(tr("The pages of the agenda just created: choose a page in the "
                                "list, zoom and scroll it, save the agenda as a Word file or go "
                                "back to the meeting."));
    ListView1->setAccessibleName(tr("Pages"));
    HScroll1->setAccessibleName(tr("Scroll the page sideways"));
    VScroll1->setAccessibleName(tr("Scroll the page up and down"));
    Picture2->setAccessibleName(tr("Page view"));
    Picture1->setAccessibleDescription(
        tr("The arrow keys and Page Up and Page Down scroll the page; Ctrl+Plus and Ctrl+Minus "
           "zoom."));
    describePageView();
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_listInput)
            showChosenPage();
    });
}

QString Form2::pageViewStatus() const {
    if (m_shownPage <= 0)
        return tr("No page");
    return tr("Page %1 of %2, zoom %3 %")
        .arg(m_shownPage)
        .arg(pageItemCount())
        .arg(std::lround(static_cast<double>(mZoom) * 100.0));
}

// A change is announced, so that a screen reader says the new page or zoom.
void Form2::describePageView() {
    const QString status = pageViewStatus();
    if (Picture1->accessibleName() == status)
        return;
    Picture1->setAccessibleName(status);
    Picture2->setAccessibleDescription(status);
    QAccessibleEvent name(Picture1, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleEvent description(Picture2, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}

void Form2::trackListInput(const QObject* watched, const QEvent* event) {
    if (watched != ListView1 && watched != ListView1->viewport())
        return;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
        m_listInput = true;
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::FocusOut:
        m_listInput = false;
        break;
    case QEvent::KeyRelease:
        if (!static_cast<const QKeyEvent*>(event)->isAutoRepeat())
            m_listInput = false;
        break;
    default:
        break;
    }
}

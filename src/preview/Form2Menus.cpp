// The preview's menu bar: File (save, export, print, back, quit), View
// (zoom) and Help. Every item runs what its button or key runs; Quit closes
// the window as its close box does.

#include "Form2.h"

#include "../app/ErrorTrap.h"
#include "../app/HelpMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// A key shown beside a menu item whose key the window binds elsewhere (a
// sequence bound twice would be ambiguous and do nothing).
QString withKeyShown(const QString& text, QKeyCombination key) {
    return text + QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
}

} // namespace

void Form2::createMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    file->addAction(saveAction);
    file->addAction(exportPdfAction);
    file->addAction(printAction);
    file->addSeparator();
    file->addAction(tr("&Back"), this, [this] { PushButton8_Click(); })
        ->setObjectName(QStringLiteral("backAction"));
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WindowShortcut);

    QMenu* view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    view->addAction(withKeyShown(tr("Zoom &In"), Qt::CTRL | Qt::Key_Plus), this,
                    [this] { PushButton1_Click(); })
        ->setObjectName(QStringLiteral("zoomInAction"));
    view->addAction(withKeyShown(tr("Zoom &Out"), Qt::CTRL | Qt::Key_Minus), this,
                    [this] { PushButton2_Click(); })
        ->setObjectName(QStringLiteral("zoomOutAction"));
    QAction* actual = view->addAction(tr("&Actual Size"), this, &Form2::ZoomActualSize);
    actual->setObjectName(QStringLiteral("actualSizeAction"));
    actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    actual->setShortcutContext(Qt::WindowShortcut);

    app::addHelpMenu(*bar, m_services.messages);
    setMenuBar(bar);
}

// View > Actual Size: the page at zoom 1.
void Form2::ZoomActualSize() {
    app::ErrorTrap trap(m_services.messages, QStringLiteral("Form2"),
                        QStringLiteral("ZoomActualSize"));
    trap.step(100, [&] {
        if (mZoom != 1.0f)
            SetZoom(1.0f);
    });
}

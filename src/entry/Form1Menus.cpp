// The entry window's menu bar: File (meetings, invitations, quit), Edit
// (undo, redo and the agenda list's operations) and Help; and files dropped
// on the window.

#include "Form1.h"

#include "../app/HelpMenu.h"
#include "../platform/controls/FileDrops.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace {

QAction* addItem(QMenu* menu, const QString& text, const char* name, QKeySequence keys = {}) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    if (!keys.isEmpty()) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

} // namespace

void Form1::createMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    connect(addItem(file, tr("&New Meeting from This One"), "newFromThisAction",
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)),
            &QAction::triggered, this, &Form1::NewMeetingFromThisOne_Click);
    connect(
        addItem(file, tr("&Open Meeting\u2026"), "openAction", QKeySequence(Qt::CTRL | Qt::Key_O)),
        &QAction::triggered, this, &Form1::OpenMeeting_Click);
    recentMenu = file->addMenu(tr("Open &Recent"));
    recentMenu->setObjectName(QStringLiteral("recentMenu"));
    connect(addItem(file, tr("Save Meeting &As\u2026"), "saveAsAction",
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &Form1::SaveMeetingAs_Click);
    connect(addItem(file, tr("&Import Invitation\u2026"), "importAction"), &QAction::triggered,
            this, &Form1::ImportInvitation_Click);
    file->addSeparator();
    connect(addItem(file, tr("&Quit"), "quitAction", QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &QWidget::close);
    // Filled as it opens: an item is not deleted while it runs.
    connect(recentMenu, &QMenu::aboutToShow, this, &Form1::fillRecentMenu);
    recentMenu->setToolTipsVisible(true);
    recentMenu->setEnabled(!recentFiles().isEmpty());

    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    // The window's own undo and redo, whose keys work without the menu.
    for (const char* name : {"undoAction", "redoAction"})
        if (QAction* action = findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            edit->addAction(action);
    if (const QList<QAction*> agenda = agendaActions(); !agenda.isEmpty()) {
        edit->addSeparator();
        edit->addActions(agenda);
    }

    app::addHelpMenu(*bar, m_services.messages);
    setMenuBar(bar);

    auto* drops = new platform::FileDrops(*this);
    connect(drops, &platform::FileDrops::fileDropped, this, &Form1::openFile);
}

void Form1::fillRecentMenu() {
    recentMenu->clear();
    const QStringList files = recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* item = recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        item->setToolTip(path);
        item->setData(path);
        connect(item, &QAction::triggered, this, [this, path] { openFile(path); });
    }
}

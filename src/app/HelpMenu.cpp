#include "HelpMenu.h"

#include "Constants.h"

#include "../platform/messages/MessageService.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace app {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("HelpMenu", text);
}

// A key as the menus show it, in the user's words.
QString keys(const QKeySequence& sequence) {
    return sequence.toString(QKeySequence::NativeText);
}

QString keys(QKeyCombination combination) {
    return keys(QKeySequence(combination));
}

} // namespace

QString aboutText() {
    return tr("%1 %2\n\nTurns the details of a meeting into a formatted agenda document.\n\n"
              "Free software under the %3 licence.\n%4")
        .arg(kProductName, QStringLiteral(QUILLARY_VERSION), QStringLiteral(QUILLARY_LICENSE),
             QStringLiteral(QUILLARY_HOMEPAGE));
}

QString keyboardShortcutsText() {
    const QString line = QStringLiteral("%1\t%2\n");
    QString text = tr("Meeting window") + QLatin1Char('\n');
    text += line.arg(keys(Qt::CTRL | Qt::SHIFT | Qt::Key_N), tr("New Meeting from This One"));
    text += line.arg(keys(Qt::CTRL | Qt::Key_O), tr("Open Meeting"));
    text += line.arg(keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S), tr("Save Meeting As"));
    text += line.arg(keys(QKeySequence::Undo), tr("Undo"));
    text += line.arg(keys(QKeySequence::Redo), tr("Redo"));
    text += line.arg(keys(Qt::CTRL | Qt::Key_Tab) + QStringLiteral(", ") +
                         keys(Qt::CTRL | Qt::Key_PageDown),
                     tr("Next tab"));
    text += line.arg(keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab) + QStringLiteral(", ") +
                         keys(Qt::CTRL | Qt::Key_PageUp),
                     tr("Previous tab"));
    text += line.arg(keys(Qt::CTRL | Qt::Key_Q), tr("Quit"));
    text += QLatin1Char('\n') + tr("Preview window") + QLatin1Char('\n');
    text += line.arg(keys(Qt::CTRL | Qt::Key_S), tr("Save Results To Word File"));
    text += line.arg(keys(Qt::CTRL | Qt::Key_E), tr("Export as PDF"));
    text += line.arg(keys(Qt::CTRL | Qt::Key_P), tr("Print"));
    text += line.arg(keys(Qt::CTRL | Qt::Key_Plus), tr("Zoom In (also Ctrl+wheel)"));
    text += line.arg(keys(Qt::CTRL | Qt::Key_Minus), tr("Zoom Out"));
    text += line.arg(keys(Qt::CTRL | Qt::Key_0), tr("Actual Size"));
    text += line.arg(tr("Page Up, Page Down"), tr("Move the page by a screenful"));
    text += line.arg(tr("Arrow keys"), tr("Scroll the page"));
    text += line.arg(keys(Qt::ALT | Qt::Key_Left), tr("Back to the meeting"));
    text += line.arg(keys(Qt::CTRL | Qt::Key_Q), tr("Quit"));
    return text.trimmed();
}

QMenu* addHelpMenu(QMenuBar& bar, platform::MessageService& messages) {
    QMenu* help = bar.addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction* about = help->addAction(tr("&About Quillary"));
    about->setObjectName(QStringLiteral("aboutAction"));
    QObject::connect(about, &QAction::triggered, &bar, [&messages] {
        messages.show(aboutText(), platform::MsgButtons::Ok, platform::MsgIcon::None,
                      tr("About Quillary"));
    });
    QAction* shortcuts = help->addAction(tr("&Keyboard Shortcuts"));
    shortcuts->setObjectName(QStringLiteral("shortcutsAction"));
    QObject::connect(shortcuts, &QAction::triggered, &bar, [&messages] {
        messages.show(keyboardShortcutsText(), platform::MsgButtons::Ok, platform::MsgIcon::None,
                      tr("Keyboard Shortcuts"));
    });
    return help;
}

} // namespace app

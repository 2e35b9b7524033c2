#pragma once

#include <QString>

class QMenu;
class QMenuBar;

namespace platform {
class MessageService;
}

namespace app {

// The Help menu both windows carry: About Quillary (version, licence and
// the project's address) and the keyboard shortcuts, each in a message box.
QMenu* addHelpMenu(QMenuBar& bar, platform::MessageService& messages);

QString aboutText();
QString keyboardShortcutsText();

} // namespace app

#pragma once

#include "MessageService.h"

namespace platform {

// Modal QMessageBox, parented to the active window.
class QtMessageService final : public MessageService {
public:
    MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon icon,
                   const QString& caption = QString()) override;
    void notify(const QString& text, MsgIcon icon) override;

    // The text as the box draws it: plain text, where CR LF, a lone CR and a
    // lone LF each end a line (so CR CR leaves an empty line between
    // paragraphs).
    static QString displayText(const QString& text);
};

} // namespace platform

#pragma once

#include "MessageService.h"

namespace platform {

// Modal QMessageBox, parented to the active window.
class QtMessageService final : public MessageService {
public:
    MsgAnswer show(const QString& text, MsgButtons buttons, MsgIcon icon,
                   const QString& caption = QString()) override;
};

} // namespace platform

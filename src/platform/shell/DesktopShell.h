#pragma once

#include "Shell.h"

namespace platform {

class DesktopShell final : public Shell {
public:
    void openUrl(const QString& address) override;
    void endProgram() override;
    bool endRequested() const override { return m_ended; }
    void doEvents() override;
    QString askSaveFileName(const QString& title, const QString& filter,
                            const QString& fileName) override;
    QString askOpenFileName(const QString& title, const QString& filter,
                            const QString& folder) override;
    bool askPrint(QPrinter& printer, int pageCount) override;

    // "Name (*.ext)|*.ext" pairs as the save dialog of the desktop wants them.
    static QString toQtFilter(const QString& filter);

private:
    bool m_ended = false;
};

} // namespace platform

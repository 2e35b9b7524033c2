#pragma once

#include "platform/shell/Shell.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace testing {

// Observes what the program asks of the desktop; never opens anything.
class FakeShell final : public platform::Shell {
public:
    void openUrl(const QString& address) override;
    void endProgram() override { ++endCalls; }
    bool endRequested() const override { return endCalls > 0; }
    void doEvents() override;
    QString askSaveFileName(const QString& title, const QString& filter,
                            const QString& fileName) override;
    QString askOpenFileName(const QString& title, const QString& filter,
                            const QString& folder) override;
    bool askPrint(QPrinter& printer, int pageCount) override;

    // Answers of the save and open dialogs, in order; empty means "cancelled".
    void chooseNext(const QString& fileName) { m_fileNames.push_back(fileName); }

    QStringList openedUrls;
    bool failOpenUrl = false;
    int endCalls = 0;
    int doEventsCalls = 0;
    bool processRealEvents = true;
    struct Dialog {
        QString title, filter, fileName; // an open dialog's folder as its file name
    };
    QList<Dialog> dialogs;
    std::function<void()> onDoEvents;
    // The print dialog's answer: sets up the printer as a user would and
    // says whether to print; without it the dialog is cancelled.
    std::function<bool(QPrinter&)> onPrint;
    QList<int> printDialogPages; // the page count each print dialog was given

private:
    QString nextFileName();
    std::deque<QString> m_fileNames;
};

} // namespace testing

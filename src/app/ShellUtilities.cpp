#include "ShellUtilities.h"

#include "../platform/clipboard/Clipboard.h"
#include "../platform/messages/MessageService.h"
#include "../platform/shell/Shell.h"
#include "Constants.h"

#include <QRandomGenerator>

namespace Main {

platform::Picture GetClipboardPicture(platform::Clipboard& clipboard, int /*format: any picture*/) {
    // A fetch that fails is tried again, up to the limit; an empty clipboard
    // is an answer, not a failure.
    for (int attempt = 1;; ++attempt) {
        try {
            return clipboard.picture();
        } catch (...) {
            if (attempt >= kClipboardAttempts)
                return {};
        }
    }
}

QString ApplicationTitleFor(const QString& productName) {
    // Cut before the last blank at least once, then while longer than 40;
    // a name with no blank stays whole.
    QString title = productName;
    do {
        const qsizetype blank = title.lastIndexOf(QLatin1Char(' '));
        if (blank < 0)
            break;
        title.truncate(blank);
    } while (title.size() > 40);
    return title;
}

void SetApplicationTitle() {
    platform::setApplicationTitle(ApplicationTitleFor(app::kProductName));
}

void VisitHomePageAtRandom(platform::Shell& shell, QRandomGenerator& random) {
    const int n = static_cast<int>(random.generateDouble() * 100) + 1;
    if (n == 7)
        shell.openUrl(app::kHomePageAddress);
}

} // namespace Main

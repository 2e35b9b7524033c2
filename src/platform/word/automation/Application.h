#pragma once

#include "../layout/FontCache.h"
#include "../model/Paper.h"
#include "Documents.h"

#include "platform/automation/AutomationObject.h"
#include "platform/automation/AutomationRegistry.h"
#include "platform/clipboard/Clipboard.h"

#include <memory>

namespace word {

class Selection;

// The engine's application object, what "Word.Application" creates. It has
// no window: documents live in memory and are laid out on demand.
class Application final : public platform::AutomationObject,
                          public std::enable_shared_from_this<Application> {
public:
    static std::shared_ptr<Application> create(platform::Clipboard& clipboard);
    explicit Application(platform::Clipboard& clipboard);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    QVariant defaultProperty() const override { return Name(); }
    bool isRunning() const override { return !m_quit; }

    QString Name() const { return QStringLiteral("Microsoft Word"); }
    word::Documents& Documents();
    std::shared_ptr<Document> ActiveDocument();
    word::Selection& Selection();
    bool DisplayAlerts() const;
    void setDisplayAlerts(bool value);
    bool Visible() const { return false; }
    // Closes every document without saving; the instance stops running.
    void Quit();

    // The paper of new documents: the user's locale's, read when the
    // instance starts.
    const Paper& paper() const { return m_paper; }

    void checkRunning() const;
    platform::Clipboard& clipboard() { return m_clipboard; }
    const std::shared_ptr<FontCache>& fonts() const { return m_fonts; }

private:
    platform::Clipboard& m_clipboard;
    std::shared_ptr<FontCache> m_fonts = std::make_shared<FontCache>();
    word::Documents m_documents;
    Paper m_paper = userPaper();
    bool m_displayAlerts = true;
    bool m_quit = false;
};

// Registers the engine as "Word.Application".
void registerEngine(platform::AutomationRegistry& registry, platform::Clipboard& clipboard);

} // namespace word

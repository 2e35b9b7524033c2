#pragma once

#include "../platform/picture/Picture.h"

#include <QString>

namespace app {
struct Services;
}
namespace platform {
class FormWindow;
}
namespace preview {
class GenerationResult;
}

namespace MeetingAgenda {

// Opens the saved document in a second engine instance and turns each page
// into a picture: page n becomes the list item "Page n" and slot n-1 of the
// result. `busyWindow` shows the busy pointer meanwhile. The document on
// disk keeps all its pages.
void SaveDocAsJPG(const app::Services& services, platform::FormWindow& busyWindow,
                  preview::GenerationResult& result, const QString& path);

// The page scratch file "temp.bmp", in the user's private folder: a shared
// temporary folder may hold someone else's file of that name.
class ScratchPicture {
public:
    // Without a path, the default one, looked up at the first save.
    explicit ScratchPicture(QString path = QString());
    static QString defaultPath();

    // Writes the picture to a new file of this user's under the scratch name,
    // never through a link or into someone else's file.
    void save(const platform::Picture& picture);
    // The picture written by the last save; fails when it was not written.
    platform::Picture load() const;
    const QString& path() const { return m_path; }

private:
    QString m_path;
    bool m_written = false;
};

} // namespace MeetingAgenda

#pragma once

#include "../platform/picture/Picture.h"

#include <QString>

class QWidget;
class QRandomGenerator;

namespace platform {
class Clipboard;
class Shell;
class SkinFramework;
} // namespace platform

// Small operations the windows and the generation share.
namespace Main {

// Skin file and hand pointer, relative to the program folder.
inline const QString kSkinFile = QStringLiteral("/x/o.cjs");
inline const QString kHandPointerFile = QStringLiteral("/HAND-M.CUR");

// Loads the skin file of the program folder, if there is one, and applies
// it to `form`; the form and its frames, labels and picture boxes take the
// button-face colour.
void ApplySkin(QWidget& form, platform::SkinFramework& skin, const QString& programFolder);
// The window and its option buttons, check boxes, frames and labels take
// the button-face colour.
void SetFaceColors(QWidget& window);

// A title as a file name: no folder separators or control characters, no
// leading dot, not too long; `fallback` when nothing is left.
QString FileNameFor(const QString& title, const QString& fallback);

// True when `path` names an existing file; never fails.
bool FileExists(const QString& path);
// Deletes every file matching `pattern` ("*" and "?" allowed in the last
// component) after letting pending events run. Never reports.
void DeleteFiles(platform::Shell& shell, const QString& pattern);
// Deletes every matching file, read-only ones too. Fails when nothing matched
// or something stays.
void ForceDeleteFiles(const QString& pattern);
// The files a pattern names.
QStringList MatchingFiles(const QString& pattern);

// The clipboard's picture, fetched again while fetching fails, up to 1000
// attempts; a null picture when all fail or the clipboard holds none.
platform::Picture GetClipboardPicture(platform::Clipboard& clipboard, int format);
inline constexpr int kClipboardAttempts = 1000;

// The title every message box without a caption of its own carries.
void SetApplicationTitle();
QString ApplicationTitleFor(const QString& productName);

// Opens the maker's web site on about one call in a hundred.
void VisitHomePageAtRandom(platform::Shell& shell, QRandomGenerator& random);

// The temporary folder: the variable TEMP (any case) when it names a folder
// this user can write in, else PrivateTempFolder().
QString TempFolder();
// A folder of this user's alone (mode 0700, created when missing, its owner
// checked): "$XDG_RUNTIME_DIR/quillary", else "<system temp>/quillary-<uid>",
// else "quillary" in the user's cache folder. Fails when none can be had.
QString PrivateTempFolder();

} // namespace Main

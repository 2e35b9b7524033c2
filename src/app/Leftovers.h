#pragma once

#include <QStringList>

namespace platform {
class SingleInstance;
}

namespace app {

// Files a run of the program leaves behind when it is killed, crashes or
// loses its display: its temporary documents ("ovelund" and eight digits,
// ".doc") in the temporary folder, the private one, or a "quillary…"
// folder of this user's inside either, and its page scratch picture
// ("temp.bmp") in such a "quillary…" folder.
// Only regular files of this user count; links and other users' files are
// never touched.
QStringList leftoverFiles(const QStringList& folders);

// At start, once this run holds its lock: deletes the leftovers of runs
// that no longer run. Nothing is deleted while a program of this user runs
// on another settings file, since the files may be its own.
void deleteLeftoversOfEndedRuns(const platform::SingleInstance& instance);

} // namespace app

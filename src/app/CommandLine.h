#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace app {

// What the command line asks for: start the program, or print a text and end.
struct CommandLineRequest {
    bool run = true;
    int exitCode = 0;
    QString output; // for standard output
    QString error;  // for standard error
    QString file;   // a meeting file or invitation to open, as an absolute path
};

// Exit status of a command line the program does not understand.
inline constexpr int kUsageExitCode = 2;

// Reads the command line (`arguments` begins with the program's name):
// --help and --version end the program with a text; Qt's own options
// (-platform, -style, ...) are left to Qt; one file name may follow, the
// meeting file or calendar invitation to open; anything else is refused.
CommandLineRequest readCommandLine(const QStringList& arguments);

// For main(), before any window system is touched: prints what the command
// line asks for and returns the exit status, or nothing when the program is
// to start; `file` then names the file to open, if any.
std::optional<int> commandLineExitCode(int argc, char* argv[], QString& file);

} // namespace app

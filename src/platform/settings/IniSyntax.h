#pragma once

#include <QByteArray>

namespace platform {

// True when INI text holds lines that Qt's INI reader skips or reads only
// in part, and that the next write of the file would therefore drop or
// change: a section header without its closing bracket, a line that is
// neither blank, a comment (";"), a section nor a key with "=". Read as
// Qt reads it: quoted text may span lines, a backslash escapes the next
// character (a line end too), and a leading UTF-8 byte-order mark is no
// error.
bool hasIniSyntaxErrors(const QByteArray& text);

} // namespace platform

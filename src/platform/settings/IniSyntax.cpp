#include "IniSyntax.h"

namespace platform {

namespace {

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || isLineEnd(c);
}

// One logical line from `pos` on: where it ends, and whether it holds an
// "=" outside quotes. A ";" at its start makes all of it a comment, one
// later outside quotes ends it.
struct Line {
    qsizetype end = 0;
    bool hasEquals = false;
};

Line scanLine(const QByteArray& text, qsizetype pos) {
    Line line;
    bool inQuotes = false;
    qsizetype i = pos;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            ++i; // escapes whatever follows, a line end too
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes && (isLineEnd(c) || c == ';')) {
            break;
        } else if (c == '=' && !inQuotes) {
            line.hasEquals = true;
        }
    }
    line.end = i;
    return line;
}

bool lineIsValid(const QByteArray& text, qsizetype start, const Line& line) {
    if (text[start] == '[') {
        const qsizetype close = text.indexOf(']', start);
        return close >= 0 && close < line.end;
    }
    return line.hasEquals;
}

} // namespace

bool hasIniSyntaxErrors(const QByteArray& text) {
    qsizetype pos = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < text.size()) {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        if (pos >= text.size())
            break;
        if (text[pos] == ';') {
            while (pos < text.size() && !isLineEnd(text[pos]))
                ++pos;
            continue;
        }
        const Line line = scanLine(text, pos);
        if (!lineIsValid(text, pos, line))
            return true;
        pos = line.end;
        // A comment after the line's text runs to the end of the line.
        while (pos < text.size() && !isLineEnd(text[pos]))
            ++pos;
    }
    return false;
}

} // namespace platform

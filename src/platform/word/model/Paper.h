#pragma once

#include <QString>

namespace word {

// A sheet of paper in twips.
struct Paper {
    int width = 0;
    int height = 0;
    bool operator==(const Paper&) const = default;

    static constexpr Paper letter() { return {12240, 15840}; }
    static constexpr Paper a4() { return {11906, 16838}; }
};

// The paper a locale names, as a word processor's default template takes
// it: US Letter where the locale's paper (LC_PAPER) is Letter, A4 for every
// other locale, the C locale included, and for a locale the system lacks.
Paper paperForLocale(const QString& name);
// The paper of the user's own locale (LC_ALL, LC_PAPER, LANG).
Paper userPaper();

} // namespace word

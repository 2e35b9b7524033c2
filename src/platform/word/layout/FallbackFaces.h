#pragma once

#include "FontCache.h"

#include <QList>
#include <QString>

#include <vector>

namespace word {

// The face fontconfig names as the best match for `family` at `weight` (a
// QFont::Weight) that has the characters `codePoints`, all of them at once;
// an empty family when fontconfig answers nothing. LibreOffice asks so for
// the characters of a portion its face lacks, at the weight of the face it
// draws the run with (Arial Black's is black even in a run that is not
// bold), and draws each of them from the answer when the answer has it: a
// bold face when fontconfig matched one.
FallbackFace bestFaceFor(const QString& family, int weight, const QList<char32_t>& codePoints);

// A stretch of a paragraph's text drawn from another face than its run's.
struct FaceStretch {
    int start = 0;
    int end = 0;
    QString family;
    bool bold = false;
};

// The stretches of run text [start, end) that LibreOffice draws from
// other faces, in order. It lays a run out in portions, cut at tabs and
// where the script changes between Latin, Asian and complex (characters
// of no script of their own stay with the portion they are in); for each
// portion it asks for the best match of all the characters the run's face
// lacks at once, draws from the answer those it has, and asks again for
// the rest.
std::vector<FaceStretch> fallbackStretches(const QString& text, int start, int end,
                                           const QString& family, int halfPoints, bool bold,
                                           FontCache& fonts);

} // namespace word

#include "FallbackFaces.h"

#include <QHash>
#include <QRawFont>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace word {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct CharSetDeleter {
    void operator()(FcCharSet* c) const { FcCharSetDestroy(c); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

// fontconfig's weights for Qt's.
int fontconfigWeight(int weight) {
    return FcWeightFromOpenType(weight);
}

} // namespace

FallbackFace bestFaceFor(const QString& family, int weight, const QList<char32_t>& codePoints) {
    Pattern pattern(FcPatternCreate());
    std::unique_ptr<FcCharSet, CharSetDeleter> chars(FcCharSetCreate());
    if (!pattern || !chars)
        return {};
    for (const char32_t c : codePoints)
        FcCharSetAddChar(chars.get(), c);
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(name.constData()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, fontconfigWeight(weight));
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, chars.get());
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8* answer = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &answer) != FcResultMatch)
        return {};
    int matched = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &matched);
    return {QString::fromUtf8(reinterpret_cast<const char*>(answer)),
            FcWeightToOpenType(matched) >= QFont::DemiBold};
}

} // namespace word

namespace word {

namespace {

enum class ScriptClass { Weak, Latin, Asian, Complex };

ScriptClass scriptClass(char32_t c) {
    switch (QChar::script(c)) {
    case QChar::Script_Common:
    case QChar::Script_Inherited:
    case QChar::Script_Unknown:
        return ScriptClass::Weak;
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Bopomofo:
        return ScriptClass::Asian;
    case QChar::Script_Hebrew:
    case QChar::Script_Arabic:
    case QChar::Script_Syriac:
    case QChar::Script_Thaana:
    case QChar::Script_Nko:
    case QChar::Script_Thai:
    case QChar::Script_Lao:
    case QChar::Script_Khmer:
    case QChar::Script_Devanagari:
    case QChar::Script_Bengali:
    case QChar::Script_Gurmukhi:
    case QChar::Script_Gujarati:
    case QChar::Script_Oriya:
    case QChar::Script_Tamil:
    case QChar::Script_Telugu:
    case QChar::Script_Kannada:
    case QChar::Script_Malayalam:
    case QChar::Script_Sinhala:
    case QChar::Script_Tibetan:
    case QChar::Script_Myanmar:
        return ScriptClass::Complex;
    default:
        return ScriptClass::Latin;
    }
}

struct CodePoint {
    int at = 0;
    int size = 1;
    char32_t value = 0;
};

// The portions of [start, end) as lists of code points.
std::vector<std::vector<CodePoint>> portionsOf(const QString& text, int start, int end) {
    std::vector<std::vector<CodePoint>> portions(1);
    ScriptClass current = ScriptClass::Weak;
    for (int i = start; i < end;) {
        const bool pair =
            i + 1 < end && text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                : char32_t(text.at(i).unicode());
        const int size = pair ? 2 : 1;
        const ScriptClass s = scriptClass(c);
        const bool cut =
            c == U'\t' || (s != ScriptClass::Weak && current != ScriptClass::Weak && s != current);
        if (cut && !portions.back().empty())
            portions.emplace_back();
        if (s != ScriptClass::Weak)
            current = s;
        if (c != U'\t')
            portions.back().push_back({i, size, c});
        i += size;
    }
    return portions;
}

// Assigns each code point of `portion` its face: its run's (empty) or the
// fallback fontconfig names.
void assignFaces(const std::vector<CodePoint>& portion, const QString& family, int halfPoints,
                 bool bold, FontCache& fonts, std::vector<FaceStretch>& out) {
    const QRawFont& own = fonts.primaryFace(family, halfPoints, bold);
    const int weight =
        std::max(own.weight(), static_cast<int>(fonts.font(family, halfPoints, bold).weight()));
    QList<char32_t> missing;
    for (const CodePoint& c : portion)
        if (!QChar::isSpace(c.value) && !own.supportsCharacter(c.value) &&
            !missing.contains(c.value))
            missing << c.value;
    QHash<char32_t, FallbackFace> faces;
    while (!missing.isEmpty()) {
        FallbackFace answer = fonts.fallbackFace(family, weight, missing);
        answer.bold = answer.bold || bold;
        const QRawFont raw = answer.family.isEmpty()
                                 ? QRawFont()
                                 : fonts.primaryFace(answer.family, halfPoints, answer.bold);
        QList<char32_t> left;
        for (const char32_t c : missing) {
            if (raw.isValid() && raw.supportsCharacter(c))
                faces[c] = answer;
            else
                left << c;
        }
        if (left.size() == missing.size())
            break;
        missing = left;
    }
    for (const CodePoint& c : portion) {
        const FallbackFace face = faces.value(c.value);
        if (face.family.isEmpty())
            continue;
        if (!out.empty() && out.back().end == c.at && out.back().family == face.family &&
            out.back().bold == face.bold)
            out.back().end = c.at + c.size;
        else
            out.push_back({c.at, c.at + c.size, face.family, face.bold});
    }
}

// Most runs: every character in the run's own face, nothing to cut.
bool ownFaceHasAll(const QString& text, int start, int end, const QRawFont& own) {
    for (int i = start; i < end; ++i) {
        const QChar c = text.at(i);
        if (c.isSurrogate() || (!c.isSpace() && !own.supportsCharacter(c)))
            return false;
    }
    return true;
}

} // namespace

std::vector<FaceStretch> fallbackStretches(const QString& text, int start, int end,
                                           const QString& family, int halfPoints, bool bold,
                                           FontCache& fonts) {
    std::vector<FaceStretch> out;
    if (ownFaceHasAll(text, start, end, fonts.primaryFace(family, halfPoints, bold)))
        return out;
    for (const auto& portion : portionsOf(text, start, end))
        assignFaces(portion, family, halfPoints, bold, fonts, out);
    return out;
}

} // namespace word

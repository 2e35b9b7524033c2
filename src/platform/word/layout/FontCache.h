#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QString>

namespace word {

// Vertical metrics of a face at one size, in twips, as LibreOffice computes
// them from the font tables (see FontCache.cpp).
struct LineMetrics {
    int ascent = 0; // from the line's top to the baseline, the line gap included
    int height = 0; // single-spaced line height
};

// A face fontconfig names for characters another face lacks: its family,
// and whether the face it matched is a bold one.
struct FallbackFace {
    QString family;
    bool bold = false;
};

// Fonts for layout: a QFont whose pixel is one twip, shaped without kerning
// or hinting, and its line metrics. Owned by one engine instance.
class FontCache {
public:
    const QFont& font(const QString& family, int halfPoints, bool bold);
    LineMetrics metrics(const QString& family, int halfPoints, bool bold);
    // True for a bold face that is its regular face's outlines on wider
    // advances (Wine's Tahoma Bold): its glyphs must be emboldened when drawn.
    bool drawnEmboldened(const QString& family, bool bold);
    // The advance of a run's glyphs as LibreOffice measures text against a
    // line's width: each glyph's advance in font units scaled to sixths of
    // a twip and rounded on its own, then added up.
    qint64 advanceSixths(const QGlyphRun& run);
    // The face `font(family, halfPoints, bold)` draws with first.
    const QRawFont& primaryFace(const QString& family, int halfPoints, bool bold);
    // fontconfig's best match for `family` at `weight` with all of
    // `codePoints` (see bestFaceFor), asked once.
    FallbackFace fallbackFace(const QString& family, int weight, const QList<char32_t>& codePoints);

private:
    // A face at a size: the key of the caches below (a face's size-free
    // facts use halfPoints 0).
    struct FontKey {
        QString family;
        int halfPoints = 0;
        bool bold = false;
        friend bool operator==(const FontKey&, const FontKey&) = default;
        friend size_t qHash(const FontKey& k, size_t seed = 0) {
            return qHashMulti(seed, k.family, k.halfPoints, k.bold);
        }
    };
    struct FaceUnits {
        int unitsPerEm = 2048;
        int ascender = 0;
        int descender = 0; // positive, below the baseline
        int lineGap = 0;
    };
    const FaceUnits& face(const QString& family, bool bold);

    QHash<FontKey, QFont> m_fonts;
    QHash<FontKey, FaceUnits> m_faces;
    QHash<FontKey, LineMetrics> m_metrics;
    QHash<QString, bool> m_emboldened;
    struct DesignAdvances {
        QRawFont unitsFont; // sized to its em: advances in font units
        QHash<quint32, int> units;
    };
    DesignAdvances& designAdvances(const QRawFont& raw);
    QHash<QRawFont, DesignAdvances> m_advances;
    QHash<QString, FallbackFace> m_fallbacks;
    QHash<FontKey, QRawFont> m_primary;
};

} // namespace word

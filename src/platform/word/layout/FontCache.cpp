#include "FontCache.h"

#include "FallbackFaces.h"

#include <QPainterPath>
#include <QRawFont>
#include <QtEndian>

#include <cmath>

namespace word {

namespace {

qint16 readInt16(const QByteArray& table, int offset) {
    if (table.size() < offset + 2)
        return 0;
    return qFromBigEndian<qint16>(table.constData() + offset);
}

// A family named for its black weight ("Arial Black") resolves, through
// the machine's font configuration, to a family whose black face is one of
// several; asking for that weight picks the face every other program gets.
// Such a face is never emboldened further.
QFont makeFont(const QString& family, int halfPoints, bool bold) {
    QFont font(family);
    font.setPixelSize(halfPoints * 10);
    if (family.contains(QLatin1String("Black"), Qt::CaseInsensitive))
        font.setWeight(QFont::Black);
    else
        font.setBold(bold);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

const QFont& FontCache::font(const QString& family, int halfPoints, bool bold) {
    const FontKey k{family, halfPoints, bold};
    auto found = m_fonts.find(k);
    if (found == m_fonts.end())
        found = m_fonts.insert(k, makeFont(family, halfPoints, bold));
    return *found;
}

// The ascender, descender and line gap from "hhea", or from "OS/2"'s typo
// values when the face asks for them (fsSelection bit 7).
const FontCache::FaceUnits& FontCache::face(const QString& family, bool bold) {
    const FontKey k{family, 0, bold};
    auto found = m_faces.find(k);
    if (found != m_faces.end())
        return *found;
    const QRawFont raw = QRawFont::fromFont(makeFont(family, 20, bold));
    FaceUnits units;
    const QByteArray head = raw.fontTable("head");
    const QByteArray hhea = raw.fontTable("hhea");
    const QByteArray os2 = raw.fontTable("OS/2");
    if (head.size() >= 20)
        units.unitsPerEm = qFromBigEndian<quint16>(head.constData() + 18);
    units.ascender = readInt16(hhea, 4);
    units.descender = -readInt16(hhea, 6);
    units.lineGap = readInt16(hhea, 8);
    const bool useTypo = os2.size() >= 74 && (qFromBigEndian<quint16>(os2.constData() + 62) & 0x80);
    if (useTypo) {
        units.ascender = readInt16(os2, 68);
        units.descender = -readInt16(os2, 70);
        units.lineGap = readInt16(os2, 72);
    }
    if (units.unitsPerEm <= 0)
        units.unitsPerEm = 2048;
    return *m_faces.insert(k, units);
}

// In sixths of a twip (size in half-points x 60) each value is rounded, then
// ascent + descent and the gap are rounded to twips separately; the gap sits
// above the text.
LineMetrics FontCache::metrics(const QString& family, int halfPoints, bool bold) {
    const FontKey k{family, halfPoints, bold};
    if (auto found = m_metrics.constFind(k); found != m_metrics.constEnd())
        return *found;
    const FaceUnits& units = face(family, bold);
    const double scale = halfPoints * 60.0 / units.unitsPerEm;
    const double a = std::round(units.ascender * scale);
    const double d = std::round(units.descender * scale);
    const double g = std::round(units.lineGap * scale);
    LineMetrics m;
    m.height = static_cast<int>(std::lround((a + d) / 6) + std::lround(g / 6));
    m.ascent = static_cast<int>(std::lround(a / 6) + std::lround(g / 6));
    return *m_metrics.insert(k, m);
}

bool FontCache::drawnEmboldened(const QString& family, bool bold) {
    if (!bold || family.contains(QLatin1String("Black"), Qt::CaseInsensitive))
        return false;
    if (auto found = m_emboldened.constFind(family); found != m_emboldened.constEnd())
        return *found;
    const QRawFont regular = QRawFont::fromFont(makeFont(family, 100, false));
    const QRawFont heavy = QRawFont::fromFont(makeFont(family, 100, true));
    bool same = regular.isValid() && heavy.isValid() && heavy.weight() >= QFont::Bold;
    for (const QChar c : QStringLiteral("oH")) {
        if (!same)
            break;
        const quint32 g1 = regular.glyphIndexesForString(c).value(0);
        const quint32 g2 = heavy.glyphIndexesForString(c).value(0);
        const auto a1 = regular.advancesForGlyphIndexes(QList<quint32>{g1}).value(0).x();
        const auto a2 = heavy.advancesForGlyphIndexes(QList<quint32>{g2}).value(0).x();
        same = regular.pathForGlyph(g1).boundingRect() == heavy.pathForGlyph(g2).boundingRect() &&
               a2 > a1;
    }
    return *m_emboldened.insert(family, same);
}

// Keyed by the font itself: a run of glyphs no installed face has comes
// from a face with no family name to key by.
FontCache::DesignAdvances& FontCache::designAdvances(const QRawFont& raw) {
    auto found = m_advances.find(raw);
    if (found == m_advances.end()) {
        DesignAdvances d{raw, {}};
        d.unitsFont.setPixelSize(raw.unitsPerEm());
        found = m_advances.insert(raw, d);
    }
    return *found;
}

// LibreOffice measures at 8640 dpi, six device pixels to the twip, with
// each glyph's advance rounded to whole device pixels (half up).
qint64 FontCache::advanceSixths(const QGlyphRun& run) {
    const QRawFont raw = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    if (glyphs.isEmpty())
        return 0;
    DesignAdvances& design = designAdvances(raw);
    const qint64 upem = std::max<qint64>(1, static_cast<qint64>(raw.unitsPerEm()));
    // The box face for characters no face has reports no pixel size; its
    // em is its size.
    const double pixelSize = raw.pixelSize() > 0 ? raw.pixelSize() : raw.unitsPerEm();
    const qint64 sixthsPerEm = std::llround(pixelSize * 6);
    qint64 sum = 0;
    for (const quint32 glyph : glyphs) {
        auto units = design.units.constFind(glyph);
        if (units == design.units.constEnd()) {
            const auto advance = design.unitsFont.advancesForGlyphIndexes(
                QList<quint32>{glyph}, QRawFont::UseDesignMetrics);
            units = design.units.insert(glyph, static_cast<int>(std::lround(advance.value(0).x())));
        }
        sum += (2 * *units * sixthsPerEm + upem) / (2 * upem);
    }
    return sum;
}

const QRawFont& FontCache::primaryFace(const QString& family, int halfPoints, bool bold) {
    const FontKey k{family, halfPoints, bold};
    auto found = m_primary.find(k);
    if (found == m_primary.end())
        found = m_primary.insert(k, QRawFont::fromFont(font(family, halfPoints, bold)));
    return *found;
}

FallbackFace FontCache::fallbackFace(const QString& family, int weight,
                                     const QList<char32_t>& codePoints) {
    QString key = family + QLatin1Char('|') + QString::number(weight) + QLatin1Char('|');
    for (const char32_t c : codePoints)
        key += QString::number(quint32(c), 16) + QLatin1Char(',');
    auto found = m_fallbacks.constFind(key);
    if (found == m_fallbacks.constEnd())
        found = m_fallbacks.insert(key, bestFaceFor(family, weight, codePoints));
    return *found;
}

} // namespace word

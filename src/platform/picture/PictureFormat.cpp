// The picture file format: a QDataStream of the display list. Glyph runs
// name their face (family, style, weight, italic, size, hinting) and carry
// their glyph indexes and positions; reading resolves the face again
// through the font database, so a picture file is meant for the machine
// that wrote it, as the clipboard and the scratch file are.

#include "Picture.h"

#include <QBuffer>
#include <QDataStream>
#include <QFont>
#include <QHash>
#include <QRawFont>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr quint32 kMagic = 0x514c5950; // "QLYP"
constexpr quint16 kVersion = 1;
constexpr quint32 kMaxItems = 1u << 20;
constexpr quint32 kMaxGlyphs = 1u << 16;
constexpr int kMaxSide = 1 << 22; // twips, about 243 feet

enum class Kind : quint8 { Glyphs = 1, Rule = 2, Line = 3, Image = 4 };

QDataStream& stream(QDataStream& s) {
    s.setVersion(QDataStream::Qt_6_4);
    return s;
}

// --- writing ------------------------------------------------------------------

void writeFont(QDataStream& s, const QRawFont& font) {
    s << font.familyName() << font.styleName() << qint32(font.weight()) << quint8(font.style())
      << font.pixelSize() << quint8(font.hintingPreference());
}

void writeItem(QDataStream& s, const GlyphItem& item) {
    s << quint8(Kind::Glyphs);
    writeFont(s, item.glyphs.rawFont());
    const QList<quint32> indexes = item.glyphs.glyphIndexes();
    const QList<QPointF> positions = item.glyphs.positions();
    s << quint32(indexes.size());
    for (qsizetype i = 0; i < indexes.size(); ++i)
        s << indexes[i] << positions.value(i);
    s << item.origin << item.color << quint8(item.embolden);
}

void writeItem(QDataStream& s, const RuleItem& item) {
    s << quint8(Kind::Rule) << quint8(item.orientation == Qt::Vertical) << item.position
      << item.from << item.to << item.thickness << quint8(item.isDouble) << item.band << item.color;
}

void writeItem(QDataStream& s, const LineItem& item) {
    s << quint8(Kind::Line) << item.line << item.thickness << item.color;
}

void writeItem(QDataStream& s, const ImageItem& item) {
    s << quint8(Kind::Image) << item.image << item.target;
}

// --- reading ------------------------------------------------------------------

// Faces are looked up once per picture read.
class FontResolver {
public:
    QRawFont read(QDataStream& s) {
        QString family, style;
        qint32 weight = 0;
        quint8 italic = 0, hinting = 0;
        double pixelSize = 0;
        s >> family >> style >> weight >> italic >> pixelSize >> hinting;
        if (s.status() != QDataStream::Ok || !(pixelSize > 0 && pixelSize < kMaxSide))
            return {};
        const QString key = QStringList{family,
                                        style,
                                        QString::number(weight),
                                        QString::number(italic),
                                        QString::number(pixelSize),
                                        QString::number(hinting)}
                                .join(QLatin1Char('\n'));
        auto found = m_fonts.constFind(key);
        if (found != m_fonts.constEnd())
            return *found;
        QFont font(family);
        font.setStyleName(style);
        font.setWeight(QFont::Weight(std::clamp<qint32>(weight, 1, 1000)));
        font.setStyle(QFont::Style(italic));
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
        font.setHintingPreference(QFont::HintingPreference(hinting));
        QRawFont raw = QRawFont::fromFont(font);
        raw.setPixelSize(pixelSize);
        return *m_fonts.insert(key, raw);
    }

private:
    QHash<QString, QRawFont> m_fonts;
};

bool readGlyphs(QDataStream& s, FontResolver& fonts, DisplayList& list) {
    GlyphItem item;
    const QRawFont font = fonts.read(s);
    quint32 count = 0;
    s >> count;
    if (!font.isValid() || count > kMaxGlyphs)
        return false;
    QList<quint32> indexes(count);
    QList<QPointF> positions(count);
    for (quint32 i = 0; i < count; ++i)
        s >> indexes[i] >> positions[i];
    quint8 embolden = 0;
    s >> item.origin >> item.color >> embolden;
    item.glyphs.setRawFont(font);
    item.glyphs.setGlyphIndexes(indexes);
    item.glyphs.setPositions(positions);
    item.embolden = embolden != 0;
    list.items.emplace_back(std::move(item));
    return true;
}

bool readRule(QDataStream& s, DisplayList& list) {
    RuleItem item;
    quint8 vertical = 0, isDouble = 0;
    s >> vertical >> item.position >> item.from >> item.to >> item.thickness >> isDouble >>
        item.band >> item.color;
    item.orientation = vertical ? Qt::Vertical : Qt::Horizontal;
    item.isDouble = isDouble != 0;
    list.items.emplace_back(item);
    return true;
}

bool readLine(QDataStream& s, DisplayList& list) {
    LineItem item;
    s >> item.line >> item.thickness >> item.color;
    list.items.emplace_back(item);
    return true;
}

bool readImage(QDataStream& s, DisplayList& list) {
    ImageItem item;
    s >> item.image >> item.target;
    list.items.emplace_back(std::move(item));
    return true;
}

bool readItem(QDataStream& s, FontResolver& fonts, DisplayList& list) {
    quint8 kind = 0;
    s >> kind;
    switch (Kind(kind)) {
    case Kind::Glyphs:
        return readGlyphs(s, fonts, list);
    case Kind::Rule:
        return readRule(s, list);
    case Kind::Line:
        return readLine(s, list);
    case Kind::Image:
        return readImage(s, list);
    }
    return false;
}

bool sane(QSize size) {
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxSide &&
           size.height() <= kMaxSide;
}

} // namespace

QByteArray Picture::toBytes() const {
    QByteArray bytes;
    if (!m_list)
        return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream s(&buffer);
    stream(s) << kMagic << kVersion << m_list->size << m_list->background
              << quint32(m_list->items.size());
    for (const DisplayItem& item : m_list->items)
        std::visit([&s](const auto& it) { writeItem(s, it); }, item);
    return bytes;
}

Picture Picture::fromBytes(const QByteArray& bytes) {
    QDataStream s(bytes);
    stream(s);
    quint32 magic = 0, count = 0;
    quint16 version = 0;
    DisplayList list;
    s >> magic >> version >> list.size >> list.background >> count;
    if (s.status() != QDataStream::Ok || magic != kMagic || version != kVersion ||
        !sane(list.size) || count > kMaxItems)
        return {};
    FontResolver fonts;
    for (quint32 i = 0; i < count; ++i) {
        if (!readItem(s, fonts, list) || s.status() != QDataStream::Ok)
            return {};
    }
    if (!s.atEnd())
        return {};
    return Picture(std::move(list));
}

} // namespace platform

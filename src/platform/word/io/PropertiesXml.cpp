#include "PropertiesXml.h"

#include <algorithm>

namespace word::io {

namespace {

// The largest font size Word's own user interface takes; anything beyond is damage.
constexpr int maxHalfPoints = 3276;

QString colorValue(const Color& color) {
    if (color.automatic)
        return QStringLiteral("auto");
    return QStringLiteral("%1").arg(color.rgb & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

std::optional<Color> parseColor(const QString& value) {
    if (value.compare(u"auto", Qt::CaseInsensitive) == 0)
        return Color::autoColor();
    bool ok = false;
    const uint rgb = value.toUInt(&ok, 16);
    if (!ok || value.size() != 6)
        return std::nullopt;
    return Color::fromRgb(rgb);
}

// The names of an enumeration's values in WordprocessingML; the first name
// of a value is the one written, the others are read as well.
template <typename Enum> struct Spelling {
    Enum value;
    const char16_t* name;
};

constexpr Spelling<Alignment> alignments[] = {
    {Alignment::Left, u"left"},      {Alignment::Center, u"center"}, {Alignment::Right, u"right"},
    {Alignment::Both, u"both"},      {Alignment::Left, u"start"},    {Alignment::Right, u"end"},
    {Alignment::Both, u"distribute"}};

constexpr Spelling<LineRule> lineRules[] = {
    {LineRule::Auto, u"auto"}, {LineRule::Exact, u"exact"}, {LineRule::AtLeast, u"atLeast"}};

constexpr Spelling<BorderStyle> borderStyles[] = {{BorderStyle::None, u"nil"},
                                                  {BorderStyle::Single, u"single"},
                                                  {BorderStyle::Double, u"double"},
                                                  {BorderStyle::None, u"none"}};

template <typename Enum, std::size_t N>
QString spell(const Spelling<Enum> (&spellings)[N], Enum value) {
    for (const auto& spelling : spellings) {
        if (spelling.value == value)
            return QString::fromUtf16(spelling.name);
    }
    return QString::fromUtf16(spellings[0].name);
}

template <typename Enum, std::size_t N>
std::optional<Enum> parse(const Spelling<Enum> (&spellings)[N], const QString& name) {
    for (const auto& spelling : spellings) {
        if (name == QStringView(spelling.name))
            return spelling.value;
    }
    return std::nullopt;
}

BorderStyle parseBorderStyle(const QString& value) {
    if (value.isEmpty())
        return BorderStyle::None;
    // Every other drawn style looks closest to a single rule.
    return parse(borderStyles, value).value_or(BorderStyle::Single);
}

std::optional<int> bounded(std::optional<int> value, int low, int high) {
    if (!value)
        return value;
    return std::clamp(*value, low, high);
}

void writeOnOff(XmlPartWriter& xml, const QString& name, bool on) {
    if (on)
        xml.empty(name);
    else
        xml.value(name, 0);
}

void writeSpacing(XmlPartWriter& xml, const ParagraphProperties& p) {
    if (!p.spacingBefore && !p.spacingAfter && !p.line && !p.lineRule)
        return;
    xml.empty(QStringLiteral("w:spacing"));
    if (p.spacingBefore)
        xml.attribute(QStringLiteral("w:before"), *p.spacingBefore);
    if (p.spacingAfter)
        xml.attribute(QStringLiteral("w:after"), *p.spacingAfter);
    if (p.line)
        xml.attribute(QStringLiteral("w:line"), *p.line);
    if (p.lineRule)
        xml.attribute(QStringLiteral("w:lineRule"), spell(lineRules, *p.lineRule));
}

bool hasAny(const RunProperties& r) {
    return r.font || r.sizeHalfPoints || r.color || r.bold;
}

bool hasAny(const ParagraphProperties& p) {
    return p.alignment || p.spacingBefore || p.spacingAfter || p.line || p.lineRule ||
           p.widowControl || hasAny(p.markRunProperties);
}

void readSpacing(const SafeXmlReader& xml, ParagraphProperties& p) {
    if (const auto before = wordNumber(xml, u"before"))
        p.spacingBefore = std::clamp(*before, 0, maxTwips);
    if (const auto after = wordNumber(xml, u"after"))
        p.spacingAfter = std::clamp(*after, 0, maxTwips);
    if (const auto line = wordNumber(xml, u"line"))
        p.line = std::clamp(*line, 1, maxTwips);
    if (const QString rule = wordValue(xml, u"lineRule"); !rule.isNull())
        p.lineRule = parse(lineRules, rule);
}

} // namespace

QString wordValue(const SafeXmlReader& xml, QStringView name) {
    return xml.attribute(wordNamespace, name);
}

std::optional<int> wordNumber(const SafeXmlReader& xml, QStringView name) {
    bool ok = false;
    const int number = wordValue(xml, name).toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

int wordTwips(const SafeXmlReader& xml, QStringView name, int fallback) {
    return std::clamp(wordNumber(xml, name).value_or(fallback), 0, maxTwips);
}

bool wordFlag(const SafeXmlReader& xml) {
    const QString value = wordValue(xml);
    return value.isNull() || value == u"1" || value == u"true" || value == u"on";
}

void writeRunProperties(XmlPartWriter& xml, const RunProperties& r) {
    xml.start(QStringLiteral("w:rPr"));
    if (r.font) {
        xml.empty(QStringLiteral("w:rFonts"));
        for (const char* slot : {"w:ascii", "w:eastAsia", "w:hAnsi", "w:cs"})
            xml.attribute(QLatin1String(slot), *r.font);
    }
    if (r.bold) {
        writeOnOff(xml, QStringLiteral("w:b"), *r.bold);
        writeOnOff(xml, QStringLiteral("w:bCs"), *r.bold);
    }
    if (r.color)
        xml.value(QStringLiteral("w:color"), colorValue(*r.color));
    if (r.sizeHalfPoints) {
        xml.value(QStringLiteral("w:sz"), *r.sizeHalfPoints);
        xml.value(QStringLiteral("w:szCs"), *r.sizeHalfPoints);
    }
    xml.end();
}

void writeParagraphPropertyElements(XmlPartWriter& xml, const ParagraphProperties& p) {
    if (p.widowControl)
        writeOnOff(xml, QStringLiteral("w:widowControl"), *p.widowControl);
    writeSpacing(xml, p);
    if (p.alignment)
        xml.value(QStringLiteral("w:jc"), spell(alignments, *p.alignment));
    if (hasAny(p.markRunProperties))
        writeRunProperties(xml, p.markRunProperties);
}

void writeParagraphProperties(XmlPartWriter& xml, const ParagraphProperties& p) {
    if (!hasAny(p))
        return;
    xml.start(QStringLiteral("w:pPr"));
    writeParagraphPropertyElements(xml, p);
    xml.end();
}

void writeBorder(XmlPartWriter& xml, const QString& name, const Border& border) {
    xml.value(name, spell(borderStyles, border.style));
    if (border.style == BorderStyle::None)
        return;
    xml.attribute(QStringLiteral("w:sz"), border.widthEighths);
    xml.attribute(QStringLiteral("w:space"), border.space);
    xml.attribute(QStringLiteral("w:color"), colorValue(border.color));
    if (border.shadow)
        xml.attribute(QStringLiteral("w:shadow"), 1);
}

void writeTableBorders(XmlPartWriter& xml, const TableBorders& b) {
    const std::pair<const char*, const std::optional<Border>*> sides[] = {
        {"w:top", &b.top},     {"w:left", &b.left},       {"w:bottom", &b.bottom},
        {"w:right", &b.right}, {"w:insideH", &b.insideH}, {"w:insideV", &b.insideV}};
    if (b == TableBorders{})
        return;
    xml.start(QStringLiteral("w:tblBorders"));
    for (const auto& [name, border] : sides) {
        if (*border)
            writeBorder(xml, QLatin1String(name), **border);
    }
    xml.end();
}

void writeCellMargins(XmlPartWriter& xml, const CellMargins& m) {
    xml.start(QStringLiteral("w:tblCellMar"));
    const std::pair<const char*, int> sides[] = {
        {"w:top", m.top}, {"w:left", m.left}, {"w:bottom", m.bottom}, {"w:right", m.right}};
    for (const auto& [name, width] : sides) {
        xml.empty(QLatin1String(name));
        xml.attribute(QStringLiteral("w:w"), width);
        xml.attribute(QStringLiteral("w:type"), QStringLiteral("dxa"));
    }
    xml.end();
}

RunProperties readRunProperties(SafeXmlReader& xml) {
    RunProperties r;
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"rFonts")) {
            QString font = wordValue(xml, u"ascii");
            if (font.isEmpty())
                font = wordValue(xml, u"hAnsi");
            if (!font.isEmpty())
                r.font = font;
        } else if (xml.is(u"b")) {
            r.bold = wordFlag(xml);
        } else if (xml.is(u"color")) {
            r.color = parseColor(wordValue(xml));
        } else if (xml.is(u"sz")) {
            r.sizeHalfPoints = bounded(wordNumber(xml), 2, maxHalfPoints);
        }
        xml.skipElement();
    }
    return r;
}

ParagraphProperties readParagraphProperties(SafeXmlReader& xml) {
    ParagraphProperties p;
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        if (xml.is(u"rPr")) {
            p.markRunProperties = readRunProperties(xml);
            continue;
        }
        if (xml.is(u"widowControl"))
            p.widowControl = wordFlag(xml);
        else if (xml.is(u"spacing"))
            readSpacing(xml, p);
        else if (xml.is(u"jc"))
            p.alignment = parse(alignments, wordValue(xml));
        xml.skipElement();
    }
    return p;
}

Border readBorder(SafeXmlReader& xml) {
    Border border;
    border.style = parseBorderStyle(wordValue(xml));
    if (border.style == BorderStyle::None) {
        // No line has no width, spacing or colour: they are not written
        // either, so a file that gives them reads back as it was saved.
        border.color = Color::autoColor();
        xml.skipElement();
        return border;
    }
    border.widthEighths = bounded(wordNumber(xml, u"sz"), 0, 96).value_or(4);
    border.space = bounded(wordNumber(xml, u"space"), 0, 31).value_or(0);
    border.color = parseColor(wordValue(xml, u"color")).value_or(Color::autoColor());
    const QString shadow = wordValue(xml, u"shadow");
    border.shadow = shadow == u"1" || shadow == u"true" || shadow == u"on";
    xml.skipElement();
    return border;
}

TableBorders readTableBorders(SafeXmlReader& xml) {
    TableBorders b;
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        std::optional<Border>* side = xml.is(u"top")                        ? &b.top
                                      : xml.is(u"left") || xml.is(u"start") ? &b.left
                                      : xml.is(u"bottom")                   ? &b.bottom
                                      : xml.is(u"right") || xml.is(u"end")  ? &b.right
                                      : xml.is(u"insideH")                  ? &b.insideH
                                      : xml.is(u"insideV")                  ? &b.insideV
                                                                            : nullptr;
        if (side)
            *side = readBorder(xml);
        else
            xml.skipElement();
    }
    return b;
}

CellMargins readCellMargins(SafeXmlReader& xml) {
    CellMargins m;
    const int level = xml.depth();
    while (xml.nextChild(level)) {
        const int width = wordTwips(xml, u"w");
        if (xml.is(u"top"))
            m.top = width;
        else if (xml.is(u"left") || xml.is(u"start"))
            m.left = width;
        else if (xml.is(u"bottom"))
            m.bottom = width;
        else if (xml.is(u"right") || xml.is(u"end"))
            m.right = width;
        xml.skipElement();
    }
    return m;
}

TableLook readTableLook(SafeXmlReader& xml) {
    TableLook look;
    bool ok = false;
    const int mask = wordValue(xml).toInt(&ok, 16);
    if (ok) {
        look.firstRow = mask & 0x20;
        look.lastRow = mask & 0x40;
        look.firstColumn = mask & 0x80;
        look.lastColumn = mask & 0x100;
        look.noHBand = mask & 0x200;
        look.noVBand = mask & 0x400;
    }
    // The named attributes of Word 2010 and later take precedence.
    const std::pair<QStringView, bool*> flags[] = {
        {u"firstRow", &look.firstRow},       {u"lastRow", &look.lastRow},
        {u"firstColumn", &look.firstColumn}, {u"lastColumn", &look.lastColumn},
        {u"noHBand", &look.noHBand},         {u"noVBand", &look.noVBand}};
    for (const auto& [name, flag] : flags) {
        const QString value = wordValue(xml, name);
        if (!value.isNull())
            *flag = value == u"1" || value == u"true" || value == u"on";
    }
    return look;
}

} // namespace word::io

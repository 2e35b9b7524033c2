// Documents of lines that end within a third of a twip of their width by
// the engine's measure, in several faces, weights, sizes and widths, on the
// page and in table cells. A line that LibreOffice breaks otherwise gains
// or loses a line and moves everything below it, so one such line shows
// on the page pictures.
#include "AgendaCases.h"

#include "platform/word/layout/LineFitting.h"
#include "platform/word/layout/TableLayout.h"
#include "platform/word/model/Paper.h"

#include <QFontInfo>
#include <QJsonObject>
#include <QRawFont>
#include <QStringList>
#include <QTextLayout>

#include <numeric>
#include <random>

namespace agenda {

namespace {

// What a probe asks of a line: the last word just fits (its end at most two
// sixths of a twip inside the width), just fits with more text after it
// (the space after the word runs past the edge), or just misses (its end one
// to three sixths past the width).
enum class Kind { Fits, FitsThenMore, Over, OverFileWidth, FitsByPortions, OverByPortions };

// One face, weight and paper setting with the sizes probed in it.
struct ProbeSet {
    QString name;
    QString font; // as the document names it; fontconfig picks the face
    bool bold = false;
    word::Paper paper;
    int marginLeft = 1440;
    int marginRight = 1440;
    std::vector<int> halfPoints;
};

const QStringList& dictionary() {
    static const QStringList words =
        QStringLiteral("a an at by of on to up we it is as or be so if my no us go do he me "
                       "the and for are but not you all any can had her was one our out day get "
                       "has him his how man new now old see two way who boy did its let put say "
                       "she too use crew keel mast quay wharf tidal cargo anchor galley pilot "
                       "ledger tariff budget safety supply review kitchen lobster minutes "
                       "manifest committee decision proposal rigging harbour vessel season "
                       "fresh crates dredge margin records against weighs agenda supplier "
                       "WHARF Quay Iffy fjord jolly zebra oxbow lymph glyph quizzical "
                       "whim wax yew jig vim fib kiln ill mill fill lift flit tiff")
            .split(QLatin1Char(' '));
    return words;
}

// A text as the engine measures it against a line, and as other measures
// would: Qt's own width, the exact sum of the design advances, and those
// advances rounded to whole twips one by one.
struct Measure {
    qint64 sixths = 0;
    double exactSixths = 0;
    double qtTwips = 0;
    qint64 glyphTwips = 0;
};

Measure measure(const QString& text, const QFont& font, word::FontCache& fonts) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e7);
    layout.endLayout();
    Measure m;
    m.sixths = word::lineWidthSixths(line, text, 0, int(text.size()), fonts);
    m.qtTwips = line.naturalTextWidth();
    for (const QGlyphRun& run : line.glyphRuns()) {
        const auto advances =
            run.rawFont().advancesForGlyphIndexes(run.glyphIndexes(), QRawFont::UseDesignMetrics);
        for (const QPointF& a : advances) {
            m.exactSixths += a.x() * 6;
            m.glyphTwips += std::llround(a.x());
        }
    }
    return m;
}

word::RunProperties runOf(const ProbeSet& set, int halfPoints) {
    return runIn(set.font, halfPoints, set.bold);
}

word::Paragraph paragraphOf(const QString& text, const word::RunProperties& run) {
    return paragraphIn(text, run, 40, 240);
}

// Finds words whose line ends in the window the kind asks for at `width`
// twips: random words while there is room for two more of the usual width,
// then the pair that lands in the window.
class LineFinder {
public:
    LineFinder(const QFont& font, word::FontCache& fonts, unsigned seed)
        : m_font(font), m_fonts(fonts), m_random(seed) {
        for (const QString& w : dictionary()) {
            m_spaced.push_back(measure(w + QLatin1Char(' '), font, fonts).sixths);
            m_bare.push_back(measure(w, font, fonts).sixths);
        }
        // Two words of the usual width: where pairs are the most common.
        m_room = 2 * std::accumulate(m_spaced.begin(), m_spaced.end(), qint64(0)) /
                 qint64(m_spaced.size());
    }

    // The words of a line whose measure lies in [limit + low, limit + high]
    // sixths; empty when none was found.
    QString find(qint64 limit, qint64 low, qint64 high) {
        std::uniform_int_distribution<int> pick(0, int(dictionary().size()) - 1);
        for (int attempt = 0; attempt < 200; ++attempt) {
            QStringList words;
            qint64 sum = 0;
            for (int i = pick(m_random); sum + m_spaced[std::size_t(i)] + m_room < limit;
                 i = pick(m_random)) {
                words << dictionary()[i];
                sum += m_spaced[std::size_t(i)];
            }
            const QString line = closingPair(words, sum, limit + low, limit + high);
            if (!line.isEmpty())
                return line;
        }
        return {};
    }

    QString randomWords(int count) {
        std::uniform_int_distribution<int> pick(0, int(dictionary().size()) - 1);
        QStringList words;
        for (int i = 0; i < count; ++i)
            words << dictionary()[pick(m_random)];
        return words.join(QLatin1Char(' '));
    }

    // Words about `width` twips wide and the width, within [low, high]
    // sixths of their measure, that the kind asks for: faces whose advances
    // are whole fractions of the em reach only some widths at a size.
    std::pair<QString, int> findWidth(int width, qint64 low, qint64 high) {
        std::uniform_int_distribution<int> pick(0, int(dictionary().size()) - 1);
        QStringList words;
        qint64 sum = 0;
        for (int i = pick(m_random);; i = pick(m_random)) {
            const QString text = (QStringList(words) << dictionary()[i]).join(QLatin1Char(' '));
            const qint64 whole = measure(text, m_font, m_fonts).sixths;
            const int fitting = int((whole - low) / 6); // the widest width that works
            if (sum > qint64(width) * 6 && qint64(fitting) * 6 + high >= whole)
                return {text, fitting};
            if (sum <= qint64(width) * 6) {
                words << dictionary()[i];
                sum += m_spaced[std::size_t(i)];
            }
        }
    }

private:
    QString closingPair(const QStringList& words, qint64 sum, qint64 low, qint64 high) {
        const int n = int(dictionary().size());
        const int offset = std::uniform_int_distribution<int>(0, n - 1)(m_random);
        for (int a = 0; a < n; ++a) {
            const auto i = std::size_t((a + offset) % n);
            for (int b = 0; b < n; ++b) {
                const auto j = std::size_t(b);
                const qint64 total = sum + m_spaced[i] + m_bare[j];
                if (total < low || total > high)
                    continue;
                const QString text =
                    (QStringList(words) << dictionary()[int(i)] << dictionary()[int(j)])
                        .join(QLatin1Char(' '));
                const qint64 whole = measure(text, m_font, m_fonts).sixths;
                if (whole >= low && whole <= high)
                    return text;
            }
        }
        return {};
    }

    QFont m_font;
    word::FontCache& m_fonts;
    std::mt19937 m_random;
    std::vector<qint64> m_spaced, m_bare;
    qint64 m_room = 0;
};

constexpr int kCellMargins = 216; // left and right, as Table Grid has them

constexpr Kind kKinds[] = {Kind::Fits, Kind::FitsThenMore, Kind::Over};

// Where the kind's line ends, in sixths of a twip from the width.
std::pair<qint64, qint64> window(Kind kind) {
    return kind == Kind::Over ? std::pair<qint64, qint64>{1, 3} : std::pair<qint64, qint64>{-2, 0};
}

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Fits:
        return "fits";
    case Kind::FitsThenMore:
        return "fits-then-more";
    case Kind::Over:
        return "over";
    case Kind::OverFileWidth:
        return "over-file-width";
    case Kind::FitsByPortions:
        return "fits-by-portions";
    case Kind::OverByPortions:
        return "over-by-portions";
    }
    return "";
}

// The builder of one probe set's document; records every probe line.
class ProbeDocument {
public:
    explicit ProbeDocument(const ProbeSet& set) : m_set(set) {
        m_doc.model.section.pageWidth = set.paper.width;
        m_doc.model.section.pageHeight = set.paper.height;
        m_doc.model.section.marginLeft = set.marginLeft;
        m_doc.model.section.marginRight = set.marginRight;
        m_doc.model.body.clear();
    }

    void addSize(int halfPoints) {
        const word::RunProperties run = runOf(m_set, halfPoints);
        const QFont font = m_fonts.font(*run.font, halfPoints, m_set.bold);
        LineFinder finder(font, m_fonts, unsigned(halfPoints * 7919 + m_set.marginLeft));
        const int page = m_doc.model.section.textWidth();
        for (const Kind kind : kKinds) {
            const auto [low, high] = window(kind);
            const QString text = finder.find(qint64(page) * 6, low, high);
            // Not every width is in reach of every face at every size.
            if (!text.isEmpty())
                m_doc.model.body.emplace_back(probe(text, font, run, page, kind));
        }
        for (const Kind kind : {Kind::FitsByPortions, Kind::OverByPortions})
            addTwoPortions(finder, font, run, page, kind);
        // Cells about a width of their own per size, narrower than the page.
        const int cell = 1300 + (halfPoints * 397) % (page / 2);
        for (const Kind kind : kKinds) {
            const auto [low, high] = window(kind);
            const auto [text, width] = finder.findWidth(cell, low, high);
            addCell(probe(text, font, run, width, kind), width);
        }
        // A column whose width gains a twip as LibreOffice reads it, and a
        // line that misses the width the file states by up to five sixths.
        for (int k = 0; k < 200; ++k) {
            const auto [text, width] = finder.findWidth(cell + 7 * k, 1, 5);
            if (word::columnWidthAsLaidOut(width + kCellMargins) == width + kCellMargins + 1) {
                addCell(probe(text, font, run, width, Kind::OverFileWidth), width);
                break;
            }
        }
    }

    BuiltDocument take() {
        m_doc.model.makeEditable();
        return std::move(m_doc);
    }

private:
    void addCell(word::Paragraph paragraph, int textWidth) {
        m_doc.model.body.emplace_back(tableOf(std::move(paragraph), textWidth));
        m_doc.model.body.emplace_back(paragraphOf(QString(), runOf(m_set, 12)));
    }

    // A line of two runs, the first in another colour: LibreOffice takes the
    // first run's width in whole twips. The first run's width in sixths
    // decides which way its rounding goes, and the line's whole width is
    // chosen to lie where the rounding decides the break.
    void addTwoPortions(LineFinder& finder, const QFont& font, const word::RunProperties& run,
                        int width, Kind kind) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString lead = finder.randomWords(1 + attempt % 3) + QLatin1Char(' ');
            const qint64 leadSixths = measure(lead, font, m_fonts).sixths;
            const qint64 r = leadSixths % 6;
            const bool roundsDown = r == 1 || r == 2;
            if ((kind == Kind::FitsByPortions) != roundsDown || r == 0)
                continue;
            const qint64 low = roundsDown ? 1 : r - 5;
            const qint64 high = roundsDown ? r : 0;
            const QString rest = finder.find(qint64(width) * 6 - leadSixths, low, high);
            if (rest.isEmpty())
                continue;
            record(lead + rest, font, run.sizeHalfPoints.value_or(0), width, kind);
            QJsonObject note = m_doc.notes.last().toObject();
            note[QStringLiteral("firstRun")] = lead;
            m_doc.notes[m_doc.notes.size() - 1] = note;
            word::Paragraph p = paragraphOf(rest, run);
            word::RunProperties coloured = run;
            coloured.color = word::Color::fromRgb(0xC00000);
            p.runs.insert(p.runs.begin(), word::Run{coloured, lead});
            m_doc.model.body.emplace_back(std::move(p));
            return;
        }
    }

    word::Paragraph probe(const QString& text, const QFont& font, const word::RunProperties& run,
                          int width, Kind kind) {
        record(text, font, run.sizeHalfPoints.value_or(0), width, kind);
        if (kind == Kind::FitsThenMore)
            return paragraphOf(text + QStringLiteral(" and more words after it"), run);
        return paragraphOf(text, run);
    }

    // A one-cell table whose cell's text is `textWidth` wide.
    static word::Table tableOf(word::Paragraph paragraph, int textWidth) {
        word::Table table;
        const int width = textWidth + kCellMargins;
        table.gridColumns = {width};
        word::Row row;
        word::Cell cell;
        cell.widthTwips = width;
        cell.paragraphs = {std::move(paragraph)};
        row.cells.push_back(std::move(cell));
        table.rows.push_back(std::move(row));
        return table;
    }

    // The width the engine lays a probe's line out in: a cell's column as
    // LibreOffice reads it.
    int laidOut(int width, Kind kind) const {
        const bool inCell = m_doc.model.section.textWidth() != width;
        return inCell && kind != Kind::FitsByPortions && kind != Kind::OverByPortions
                   ? word::columnWidthAsLaidOut(width + kCellMargins) - kCellMargins
                   : width;
    }

    void record(const QString& text, const QFont& font, int halfPoints, int width, Kind kind) {
        const Measure m = measure(text, font, m_fonts);
        m_doc.notes.append(QJsonObject{{QStringLiteral("font"), m_set.font},
                                       {QStringLiteral("face"), QFontInfo(font).family()},
                                       {QStringLiteral("bold"), m_set.bold},
                                       {QStringLiteral("halfPoints"), halfPoints},
                                       {QStringLiteral("width"), width},
                                       {QStringLiteral("laidOutWidth"), laidOut(width, kind)},
                                       {QStringLiteral("kind"), QLatin1String(kindName(kind))},
                                       {QStringLiteral("text"), text},
                                       {QStringLiteral("sixths"), double(m.sixths)},
                                       {QStringLiteral("exactSixths"), m.exactSixths},
                                       {QStringLiteral("qtTwips"), m.qtTwips},
                                       {QStringLiteral("glyphTwips"), double(m.glyphTwips)}});
    }

    const ProbeSet& m_set;
    word::FontCache m_fonts;
    BuiltDocument m_doc;
};

BuiltDocument probeDocument(const ProbeSet& set) {
    ProbeDocument doc(set);
    for (const int halfPoints : set.halfPoints)
        doc.addSize(halfPoints);
    return doc.take();
}

} // namespace

word::RunProperties runIn(const QString& font, int halfPoints, bool bold) {
    word::RunProperties r;
    r.font = font;
    r.sizeHalfPoints = halfPoints;
    r.bold = bold;
    return r;
}

word::Paragraph paragraphIn(const QString& text, const word::RunProperties& run, int after,
                            int line) {
    word::Paragraph p;
    p.properties.spacingAfter = after;
    p.properties.line = line;
    p.properties.lineRule = word::LineRule::Auto;
    p.properties.markRunProperties = run;
    if (!text.isEmpty())
        p.runs.push_back({run, text});
    return p;
}

std::vector<Case> lineProbeCases() {
    using word::Paper;
    static const std::vector<ProbeSet> sets{{QStringLiteral("lines-arial"),
                                             QStringLiteral("Arial"),
                                             false,
                                             Paper::letter(),
                                             1440,
                                             1440,
                                             {16, 20, 24, 30, 38}},
                                            {QStringLiteral("lines-tahoma-b"),
                                             QStringLiteral("Tahoma"),
                                             true,
                                             Paper::a4(),
                                             1800,
                                             1300,
                                             {18, 22, 27, 34}},
                                            {QStringLiteral("lines-calibri"),
                                             QStringLiteral("Calibri"),
                                             false,
                                             Paper::letter(),
                                             1000,
                                             2100,
                                             {15, 21, 28, 42}},
                                            {QStringLiteral("lines-times"),
                                             QStringLiteral("Times New Roman"),
                                             false,
                                             Paper::a4(),
                                             1440,
                                             1440,
                                             {18, 24, 32, 48}},
                                            {QStringLiteral("lines-black"),
                                             QStringLiteral("Arial Black"),
                                             false,
                                             Paper::letter(),
                                             1200,
                                             1200,
                                             {20, 28, 36}},
                                            {QStringLiteral("lines-arial-b"),
                                             QStringLiteral("Arial"),
                                             true,
                                             Paper::a4(),
                                             1133,
                                             1621,
                                             {17, 23, 29}}};
    std::vector<Case> cases;
    for (const ProbeSet& set : sets)
        cases.push_back({set.name, {}, [&set] { return probeDocument(set); }});
    return cases;
}

} // namespace agenda

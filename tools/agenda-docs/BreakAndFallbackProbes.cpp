// Documents beside the agenda's own fonts and spacing: runs of empty
// paragraphs that cross page breaks, and characters the run's face lacks
// followed by tabs, and tabs whose stop is the right edge, in several
// faces, sizes, line spacings and papers.
#include "AgendaCases.h"

#include "platform/word/model/Paper.h"

namespace agenda {

namespace {

// Lines of text in one face, then a long run of empty paragraphs whose
// marks may be of another size, then a last line.
struct BlankRun {
    QString name;
    QString font;
    int halfPoints;
    bool bold;
    int after; // twips
    int line;  // 240ths of a line
    word::Paper paper;
    int markHalfPoints;
    int textLines;
    int blanks;
};

BuiltDocument blankRunDocument(const BlankRun& b) {
    BuiltDocument doc;
    doc.model.section.pageWidth = b.paper.width;
    doc.model.section.pageHeight = b.paper.height;
    doc.model.body.clear();
    const word::RunProperties text = runIn(b.font, b.halfPoints, b.bold);
    for (int i = 1; i <= b.textLines; ++i)
        doc.model.body.emplace_back(
            paragraphIn(QStringLiteral("Line %1 of the notes before the blank run.").arg(i), text,
                        b.after, b.line));
    const word::RunProperties mark = runIn(b.font, b.markHalfPoints, b.bold);
    for (int i = 0; i < b.blanks; ++i)
        doc.model.body.emplace_back(paragraphIn(QString(), mark, b.after, b.line));
    doc.model.body.emplace_back(
        paragraphIn(QStringLiteral("End of notes."), text, b.after, b.line));
    return doc;
}

// One paragraph per face and size: symbols, arrows, emoji and other
// scripts, with tabs after some of them.
BuiltDocument fallbackDocument() {
    struct Face {
        const char* font;
        int halfPoints;
        bool bold;
    };
    const Face faces[] = {{"Arial", 16, false},          {"Times New Roman", 24, false},
                          {"Tahoma", 32, true},          {"Calibri", 40, false},
                          {"Arial Black", 20, false},    {"Arial", 28, true},
                          {"Times New Roman", 18, false}};
    const QString text = QStringLiteral(
        "\u2713\tdone \u2717\tnot \u2192 \u21D2 \u2605 \u2600 \u2665 \u20B9 \u2318 \u26A0 "
        "\u2708 \u2744 \U0001F600\tafter \u05E2\u05D1\u05E8\u05D9\u05EA "
        "\u10E5\u10D0\u10E0\u10D7\u10E3\u10DA\u10D8 \u25A0\u25B2\u25CF end");
    BuiltDocument doc;
    doc.model.body.clear();
    for (const Face& f : faces)
        doc.model.body.emplace_back(
            paragraphIn(text, runIn(QString::fromLatin1(f.font), f.halfPoints, f.bold), 120, 259));
    return doc;
}

// Short words each followed by a tab, so that every word starts at a
// default stop and one word's tab ends at or past the right edge; in each
// face twice: in the middle of the paragraph and as its last character.
BuiltDocument tabEdgeDocument(int rightMargin) {
    struct Face {
        const char* font;
        int halfPoints;
        bool bold;
        const char* word;
    };
    const Face faces[] = {{"Arial", 20, false, "ab"},       {"Times New Roman", 24, true, "Qz"},
                          {"Tahoma", 18, false, "note"},    {"Calibri", 28, false, "x\u2713"},
                          {"Arial Black", 22, false, "go"}, {"Arial", 28, true, "12:30"}};
    BuiltDocument doc;
    doc.model.section.marginRight = rightMargin;
    doc.model.body.clear();
    const int words = (doc.model.section.textWidth() + 719) / 720;
    for (const Face& f : faces) {
        const word::RunProperties run = runIn(QString::fromLatin1(f.font), f.halfPoints, f.bold);
        const QString word = QString::fromUtf8(f.word) + QLatin1Char('\t');
        doc.model.body.emplace_back(paragraphIn(word.repeated(words + 3), run, 120, 259));
        doc.model.body.emplace_back(paragraphIn(word.repeated(words), run, 120, 259));
    }
    return doc;
}

} // namespace

std::vector<Case> pageBreakProbeCases() {
    using word::Paper;
    static const std::vector<BlankRun> runs{
        {QStringLiteral("blanks-arial"), QStringLiteral("Arial"), 20, false, 160, 259,
         Paper::letter(), 20, 20, 90},
        {QStringLiteral("blanks-times"), QStringLiteral("Times New Roman"), 24, false, 0, 240,
         Paper::a4(), 24, 30, 80},
        {QStringLiteral("blanks-tahoma"), QStringLiteral("Tahoma"), 18, true, 120, 360,
         Paper::letter(), 28, 12, 70},
        {QStringLiteral("blanks-calibri"), QStringLiteral("Calibri"), 28, false, 200, 276,
         Paper::a4(), 16, 9, 110},
        {QStringLiteral("blanks-black"), QStringLiteral("Arial Black"), 22, false, 80, 300,
         Paper::a4(), 22, 15, 90}};
    std::vector<Case> cases;
    for (const BlankRun& b : runs)
        cases.push_back({b.name, {}, [&b] { return blankRunDocument(b); }});
    return cases;
}

std::vector<Case> fallbackProbeCases() {
    return {{QStringLiteral("fallback-faces"), {}, fallbackDocument},
            {QStringLiteral("tab-edge"), {}, [] { return tabEdgeDocument(1440); }},
            {QStringLiteral("tab-edge-narrow"), {}, [] { return tabEdgeDocument(1800); }}};
}

} // namespace agenda

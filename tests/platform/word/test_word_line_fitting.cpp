// Where lines break, against LibreOffice's own breaks of the same text at
// the same width. Every case is one whose last word lies within a twip of
// the line's end, measured with exact advances; each was converted by
// LibreOffice 7.4 and the words of its first line noted here.
#include "platform/word/layout/LineFitting.h"
#include "platform/word/layout/ParagraphLayout.h"
#include "platform/word/layout/Resolve.h"
#include "platform/word/layout/TableLayout.h"

#include <QtTest>

namespace {

struct FitCase {
    const char* font;
    int halfPoints;
    bool bold;
    const char* text;
    int width;          // twips
    int wordsOnLineOne; // as LibreOffice broke it
};

// Fonts through the machine's font configuration, as the set-up installs
// it ("Arial Black" is Roboto Black there, "Tahoma" Wine's).
const FitCase kCases[] = {
    {"Liberation Sans", 24, false, "Q3 margin proposal lobster lobster harbour", 3682, 4},
    {"Liberation Serif", 19, false, "Q6 minutes against tidal pilot margin", 2248, 4},
    {"DejaVu Sans", 24, false, "Q13 crew the anchor rigging keel", 3438, 4},
    {"Liberation Sans", 28, true, "Q24 season quay budget fresh", 3314, 4},
    {"Arial Black", 24, true, "Q45 tariff pilot ledger season records", 3175, 4},
    {"DejaVu Sans", 36, true, "Q78 wharf harbour lobster margin harbour ledger", 8700, 5},
    {"Tahoma", 36, false, "Q103 cargo rigging bosun", 3041, 2},
    {"Tahoma", 36, true, "Q176 fresh anchor anchor decision cargo ledger", 7400, 5},
    {"Arial Black", 36, true, "Q211 cargo records wharf weighs margin", 5477, 5},
    {"Liberation Sans", 21, true, "Q18 pilot records vessel supply supply minutes", 3898, 5},
    {"DejaVu Sans", 19, false, "Q186 manifest its vessel committee harbour budget", 4246, 6},
    {"Tahoma", 36, true, "Q214 tidal dredge harbour", 3248, 3},
};

std::shared_ptr<const word::ParagraphBox>
layOut(const FitCase& c, const QString& text, word::FontCache& fonts, const word::Styles& styles) {
    word::Paragraph p;
    word::Run run;
    run.properties.font = QString::fromLatin1(c.font);
    run.properties.sizeHalfPoints = c.halfPoints;
    run.properties.bold = c.bold;
    run.text = text;
    p.runs.push_back(run);
    return word::layoutParagraph(p, word::ParagraphContext{styles, nullptr, c.width, 720}, fonts);
}

// Lines that end within a few sixths of a twip of their width, each put
// to LibreOffice 7.4 (lines of its comparison set); `lead`, when set, is a
// first run of the line in another colour.
struct PortionCase {
    const char* font;
    int halfPoints;
    bool bold;
    const char* lead;
    const char* text;
    int width;
    bool oneLine; // as LibreOffice laid it out
};

const PortionCase kPortionCases[] = {
    // The whole text is one run, its width in sixths 1 or 2 past the line,
    // and the line is more than half as wide as its characters times the
    // line height: LibreOffice takes it whole at its width in twips.
    {"Tahoma", 27, true, "", "tidal keel and by oxbow be lymph two say no say was kiln supply",
     8806, true},
    {"Tahoma", 18, true, "", "new any Quay him out ledger do wharf on an supply", 4712, true},
    {"Tahoma", 34, true, "", "jig we not flit too now minutes new vim season Iffy", 8806, true},
    // Three sixths past: half a twip rounds up.
    {"Tahoma", 22, true, "",
     "see she lymph oxbow mill way him ill she new new too was against and WHARF", 8806, false},
    // One sixth past, but too many characters for the line: measured in
    // sixths, and broken.
    {"Tahoma", 22, true, "", "vessel now fill fill lymph crates crew now ill whim it review", 6512,
     false},
    {"DejaVu Sans", 21, false, "", "my no vessel two us by ledger dredge lymph go minutes", 5981,
     false},
    // Two runs: the first takes its width in whole twips, rounded half up,
    // which lets a line one sixth past the width stay whole and breaks one
    // that fits by the sum of its glyphs; the second is fitted whole again
    // when what is left of the line is long enough for its characters.
    {"Tahoma", 22, true, "are ",
     "tiff our lift season use boy can zebra crew kitchen of ledger wax manifest at", 8806, true},
    {"Tahoma", 22, true, "tidal ",
     "now ill whim it mill review or vessel whim my one how cargo cargo lobster", 8806, true},
    {"DejaVu Sans", 21, false, "budget crew crates ",
     "by ledger dredge lymph go minutes jig dredge had flit tidal margin", 9140, true},
    {"DejaVu Sans", 21, false, "ill ",
     "now for how harbour ledger now supplier put galley quizzical fill all by the margin so", 9140,
     false},
};

std::shared_ptr<const word::ParagraphBox> layOutRuns(const PortionCase& c, word::FontCache& fonts,
                                                     const word::Styles& styles) {
    word::Run run;
    run.properties.font = QString::fromLatin1(c.font);
    run.properties.sizeHalfPoints = c.halfPoints;
    run.properties.bold = c.bold;
    word::Paragraph p;
    if (*c.lead) {
        word::Run lead = run;
        lead.properties.color = word::Color::fromRgb(0xC00000);
        lead.text = QString::fromLatin1(c.lead);
        p.runs.push_back(lead);
    }
    run.text = QString::fromLatin1(c.text);
    p.runs.push_back(run);
    return word::layoutParagraph(p, word::ParagraphContext{styles, nullptr, c.width, 720}, fonts);
}

} // namespace

class WordLineFittingTest : public QObject {
    Q_OBJECT

private slots:
    void aMegabyteParagraphIsLaidOutWholeAndInTime() {
        // One word of a megabyte, and a megabyte of words: each line takes
        // on where the one before ends, a word's lines are alike however
        // far into the paragraph, and no line is cut where the text was
        // laid out a part at a time. (The test's watchdog catches layout
        // that grows with the square of the length.)
        word::FontCache fonts;
        const word::Styles styles = word::defaultStyles();
        const FitCase c{"Tahoma", 28, true, "", 9360, 0};
        const QString sentence = QStringLiteral("The committee weighs each proposal. ");
        for (const QString& text : {QStringLiteral("a").repeated(1 << 20),
                                    sentence.repeated((1 << 20) / sentence.size())}) {
            const auto box = layOut(c, text, fonts, styles);
            int start = 0;
            for (const word::LineBox& line : box->lines) {
                QCOMPARE(line.start, start);
                QVERIFY(line.right <= c.width);
                start += int(line.text.size());
            }
            QCOMPARE(start, int(text.size()));
            const std::size_t n = box->lines.size();
            QVERIFY(n > 10000);
            const bool oneWord = !text.contains(QLatin1Char(' '));
            for (std::size_t i = 0; i + 1 < n; ++i) {
                if (oneWord)
                    QCOMPARE(box->lines[i].text.size(), box->lines[0].text.size());
                else
                    QVERIFY(box->lines[i].text.endsWith(QStringLiteral(". ")) ||
                            box->lines[i].text.endsWith(QLatin1Char(' ')));
            }
        }
    }

    void nearlyFullLinesBreakWhereLibreOfficeBreaksThem() {
        word::FontCache fonts;
        const word::Styles styles = word::defaultStyles();
        for (const FitCase& c : kCases) {
            const QString text = QString::fromLatin1(c.text);
            const auto box = layOut(c, text, fonts, styles);
            QVERIFY(box->lines.size() >= 2);
            const QStringList first =
                box->lines[0].text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QVERIFY2(first.size() == c.wordsOnLineOne, c.text);
            // Nothing is lost or repeated between the lines.
            QString joined;
            for (const auto& line : box->lines)
                joined += line.text;
            QCOMPARE(joined, text);
        }
    }

    void aWordLongerThanItsColumnBreaksAfterItsLastCharacterThatFits() {
        // The agenda's middle column, its details and topic,
        // as LibreOffice 7.4 broke them.
        word::FontCache fonts;
        const word::Styles styles = word::defaultStyles();
        const int width = word::columnWidthAsLaidOut(4000) - 2 * 108;
        const QString word = QStringLiteral(
            "Lobsterfisheriesharbourmastersupplierwharfcommitteebudgetreviewseasonledger");
        const struct {
            FitCase c;
            QStringList lines;
        } cases[] = {
            {{"Tahoma", 20, false, "", width, 0},
             {QStringLiteral("Lobsterfisheriesharbourmastersupplierwha"),
              QStringLiteral("rfcommitteebudgetreviewseasonledger")}},
            {{"Tahoma", 22, true, "", width, 0},
             {QStringLiteral("Lobsterfisheriesharbourmastersu"),
              QStringLiteral("pplierwharfcommitteebudgetrevi"), QStringLiteral("ewseasonledger")}},
        };
        for (const auto& [c, lines] : cases) {
            QStringList laid;
            const auto box = layOut(c, word, fonts, styles); // kept while its lines are read
            for (const word::LineBox& line : box->lines)
                laid << line.text;
            QCOMPARE(laid.join(QLatin1Char('/')), lines.join(QLatin1Char('/')));
        }
    }

    void runsAreFittedWholeAsLibreOfficeFitsItsPortions() {
        word::FontCache fonts;
        const word::Styles styles = word::defaultStyles();
        for (const PortionCase& c : kPortionCases) {
            const auto box = layOutRuns(c, fonts, styles);
            QVERIFY2((box->lines.size() == 1) == c.oneLine, c.text);
            if (!c.oneLine)
                QCOMPARE(box->lines.size(), std::size_t(2));
        }
    }

    void cellColumnsAreAsWideAsLibreOfficeReadsThem() {
        // Grid widths in twips and the width LibreOffice 7.4 broke the
        // cell's lines at (its text width plus the two 108-twip margins),
        // found with lines just past and just short of each width.
        const int measured[][2] = {{4716, 4716}, {4717, 4717}, {4718, 4719}, {4719, 4719},
                                   {4722, 4723}, {4734, 4734}, {4735, 4736}, {4201, 4202},
                                   {4202, 4202}, {7221, 7222}, {7225, 7226}, {7222, 7222},
                                   {3000, 3000}, {4000, 4000}};
        for (const auto& [grid, laidOut] : measured)
            QCOMPARE(word::columnWidthAsLaidOut(grid), laidOut);

        // A line three sixths of a twip past the cell's width as the file
        // states it stays whole in the twip the column gains.
        word::FontCache fonts;
        const word::Styles styles = word::defaultStyles();
        word::Table table;
        table.gridColumns = {4718};
        word::Cell cell;
        cell.widthTwips = 4718;
        word::Run run;
        run.properties.font = QStringLiteral("Liberation Sans");
        run.properties.sizeHalfPoints = 30;
        run.text = QStringLiteral("and budget me him pilot glyph not");
        cell.paragraphs.front().runs.push_back(run);
        table.rows.push_back(word::Row{true, {cell}});
        const word::TableFormat format = word::resolveTable(table, styles);
        const auto row = word::layoutRow(table, 0, format, styles, 720, fonts);
        QCOMPARE(row->cells.front().paragraphs.front().box->lines.size(), std::size_t(1));
    }

    void aTabBeforeAWordThatDoesNotFitGoesDownWithIt() {
        // The word after the tab is too wide for the rest of the line: it
        // moves down whole, the label stays alone on the first line, and
        // the tab moves down too: the word starts at the first stop.
        word::FontCache fonts;
        const word::Styles styles = word::defaultStyles();
        const FitCase c{"Liberation Sans", 36, false, "", 2440, 0};
        const auto box = layOut(c, QStringLiteral("Q107:\tledger the proposal"), fonts, styles);
        QCOMPARE(box->lines.at(0).text, QStringLiteral("Q107:\t"));
        QVERIFY(box->lines.at(1).text.startsWith(QStringLiteral("ledger")));
        QCOMPARE(box->lines.at(1).pieces.front().glyphs.positions().front().x(), 720.0);
    }

    void aTabWhoseStopIsTheEdgeStartsTheNextLine() {
        // Each short word starts at a default stop; the thirteenth word's
        // tab would end at 9360 twips, at or past the edge: LibreOffice
        // carries the tab alone to the next line, whose first word then
        // starts at the first stop; a tab that ends the paragraph stays.
        word::FontCache fonts;
        const word::Styles styles = word::defaultStyles();
        const QString word = QStringLiteral("ab\t");
        const auto secondLineStart = [&](int width, int words) {
            const FitCase c{"Liberation Sans", 20, false, "", width, 0};
            const auto box = layOut(c, word.repeated(words), fonts, styles);
            if (box->lines.size() < 2)
                return -1.0;
            return box->lines[1].pieces.front().glyphs.positions().front().x();
        };
        QCOMPARE(secondLineStart(9360, 16), 720.0);
        QCOMPARE(secondLineStart(9000, 16), 720.0);
        QCOMPARE(secondLineStart(9360, 13), -1.0);
        // Tabs on the carried line count from the paragraph's start.
        const FitCase c{"Liberation Sans", 20, false, "", 9360, 0};
        const auto box = layOut(c, word.repeated(16), fonts, styles);
        QCOMPARE(box->lines.size(), std::size_t(2));
        QCOMPARE(box->lines[1].pieces.back().glyphs.positions().front().x(), 2160.0);
        // Text ending 4 twips short of a stop tabs to that stop.
        const FitCase bold{"Liberation Sans", 28, true, "", 9360, 0};
        const auto near = layOut(bold, QStringLiteral("12:30\tx"), fonts, styles);
        QCOMPARE(near->lines[0].pieces.back().glyphs.positions().front().x(), 720.0);
    }

    void charactersNoFaceHasAreMeasuredAsTheirBoxes() {
        // No installed face has Devanagari: Qt draws boxes from a face that
        // has no family name. Lines of them are measured and broken all
        // the same.
        word::FontCache fonts;
        const QString word = QStringLiteral("\u0939\u093F\u0928\u094D\u0926\u0940 ");
        const QString text = word.repeated(40);
        QTextLayout layout(text, fonts.font(QStringLiteral("Tahoma"), 22, false));
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(100000);
        layout.endLayout();
        QVERIFY(word::lineWidthSixths(line, text, 0, int(text.size()) - 1, fonts) > 0);
        const word::Styles styles = word::defaultStyles();
        for (int width = 3000; width < 3400; width += 7) {
            const FitCase c{"Tahoma", 22, false, "", width, 0};
            QVERIFY(layOut(c, text, fonts, styles)->lines.size() > 1);
        }
    }

    void widthsAddGlyphAdvancesRoundedToSixthsOfATwip() {
        // Tahoma's "i" is 469 of 2048 font units: at 18 pt (2160 sixths of
        // a twip to the em) 494.65 sixths, 495 once rounded. After a tab
        // the width starts at the tab stop, 720 twips.
        word::FontCache fonts;
        const QString text = QStringLiteral("ii\tiiii");
        QTextLayout layout(text, fonts.font(QStringLiteral("Tahoma"), 36, false));
        QTextOption option;
        option.setTabStopDistance(720);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(100000);
        layout.endLayout();
        QCOMPARE(word::lineWidthSixths(line, text, 0, 2, fonts), 2 * 495);
        QCOMPARE(word::lineWidthSixths(line, text, 0, 7, fonts), 720 * 6 + 4 * 495);
    }
};

QTEST_MAIN(WordLineFittingTest)
#include "test_word_line_fitting.moc"

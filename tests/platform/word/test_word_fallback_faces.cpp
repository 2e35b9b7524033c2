// A character the run's face lacks is drawn from the face fontconfig names
// as the best match for the run's family and weight with that character,
// which is the face LibreOffice draws it from; no box where a face has it.
#include "platform/word/layout/FallbackFaces.h"
#include "platform/word/layout/FontCache.h"
#include "platform/word/layout/ParagraphLayout.h"

#include <QProcess>
#include <QRawFont>
#include <QStandardPaths>
#include <QTextLayout>
#include <QtTest>

namespace {

struct Face {
    QString family;
    QString style;
};

// fontconfig's answer for `pattern` with the character's code point.
Face bestMatch(const QString& pattern, char32_t c) {
    QProcess fc;
    fc.start(QStringLiteral("fc-match"),
             {QStringLiteral("-f"), QStringLiteral("%{family[0]}|%{style[0]}"),
              pattern + QStringLiteral(":charset=%1").arg(quint32(c), 0, 16)});
    fc.waitForFinished();
    const QStringList parts = QString::fromUtf8(fc.readAllStandardOutput()).split(QLatin1Char('|'));
    return {parts.value(0), parts.value(1)};
}

// The face the engine shapes `c` with, between two letters of the run.
Face engineFace(const QFont& font, char32_t c, bool* box) {
    const QString text = QStringLiteral("Y") + QString::fromUcs4(&c, 1) + QStringLiteral("Y");
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(100000);
    layout.endLayout();
    const QList<QGlyphRun> runs = line.glyphRuns(1, int(text.size()) - 2);
    if (runs.size() != 1)
        return {};
    *box = runs.front().glyphIndexes().contains(0);
    const QRawFont raw = runs.front().rawFont();
    return {raw.familyName(), raw.styleName()};
}

} // namespace

class WordFallbackFacesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("fc-match")).isEmpty())
            QSKIP("fontconfig's fc-match is not installed");
    }

    void missingCharactersComeFromFontconfigsBestMatch() {
        // Emoji, dingbats, arrows, maths, currency and other scripts, in the
        // agenda's regular, bold and black runs.
        const char32_t chars[] = {0x1F600, 0x2600, 0x2605, 0x2713, 0x2192, 0x21D2, 0x2211, 0x03A9,
                                  0x20B9,  0x2318, 0x26A0, 0x25A0, 0x05E9, 0x10E5, 0x0540, 0x1D54F};
        const struct {
            const char* family;
            bool bold;
            const char* pattern;
        } runs[] = {{"Tahoma", false, "Tahoma"},
                    {"Tahoma", true, "Tahoma:weight=bold"},
                    {"Arial Black", true, "Arial Black:weight=black"}};
        word::FontCache fonts;
        for (const auto& run : runs) {
            const QFont& font = fonts.font(QString::fromLatin1(run.family), 22, run.bold);
            for (const char32_t c : chars) {
                const Face expected = bestMatch(QString::fromLatin1(run.pattern), c);
                bool box = true;
                const Face actual = engineFace(font, c, &box);
                const QByteArray what =
                    QByteArray(run.pattern) + " U+" + QByteArray::number(quint32(c), 16);
                QVERIFY2(!box, what.constData());
                QVERIFY2(actual.family == expected.family && actual.style == expected.style,
                         (what + ": " + actual.family.toUtf8() + " " + actual.style.toUtf8() +
                          ", fontconfig " + expected.family.toUtf8() + " " +
                          expected.style.toUtf8())
                             .constData());
            }
        }
    }

    void aPortionsMissingCharactersAreAskedForTogether() {
        // In a Times New Roman run (Liberation Serif), LibreOffice 7.4 drew
        // the arrow, star and sun of "not \u2192 \u21D2 \u2605 \u2600" from
        // DejaVu Sans, the answer for all three at once; asked for alone,
        // fontconfig names another face for the double arrow. A tab starts
        // a portion of its own, asked for on its own.
        const QList<char32_t> together{0x21D2, 0x2605, 0x2600};
        const QString family = QStringLiteral("Times New Roman");
        const QString alone = word::bestFaceFor(family, 400, {0x21D2}).family;
        if (word::bestFaceFor(family, 400, together).family != QStringLiteral("DejaVu Sans") ||
            alone == QStringLiteral("DejaVu Sans"))
            QSKIP("the fonts of the set-up are not installed");
        word::FontCache fonts;
        const auto stretches = [&](const QString& text) {
            return word::fallbackStretches(text, 0, int(text.size()), family, 24, false, fonts);
        };
        const QString line = QStringLiteral("not \u2192 \u21D2 \u2605 \u2600");
        const auto all = stretches(line);
        QCOMPARE(all.size(), std::size_t(3));
        for (const word::FaceStretch& s : all)
            QCOMPARE(s.family, QStringLiteral("DejaVu Sans"));
        const auto cut = stretches(QStringLiteral("\u2605 \u2600\t\u21D2"));
        QCOMPARE(cut.back().family, alone);
        // The laid-out line draws them from those faces.
        word::Paragraph p;
        word::Run run;
        run.properties.font = family;
        run.properties.sizeHalfPoints = 24;
        run.text = line;
        p.runs.push_back(run);
        const word::Styles styles = word::defaultStyles();
        const auto box = word::layoutParagraph(p, {styles, nullptr, 9360, 720}, fonts);
        QStringList faces;
        for (const word::GlyphPiece& piece : box->lines.front().pieces)
            faces << piece.glyphs.rawFont().familyName();
        QVERIFY(faces.contains(QStringLiteral("DejaVu Sans")));
        QVERIFY(!faces.contains(alone));
    }

    void aBlackFacesFallbackIsDrawnAtTheWeightFontconfigMatched() {
        // "Arial Black" is a black face in a run that is not bold: the face
        // for its Georgian and Hebrew is asked for at that weight, and the
        // bold face fontconfig answers is the one drawn, as LibreOffice does.
        const QString family = QStringLiteral("Arial Black");
        const Face expected = bestMatch(QStringLiteral("Arial Black:weight=black"), 0x10E5);
        word::FontCache fonts;
        const word::FallbackFace answer = word::bestFaceFor(family, QFont::Black, {0x10E5});
        QCOMPARE(answer.family, expected.family);
        QCOMPARE(answer.bold, expected.style.contains(QStringLiteral("Bold")));
        word::Paragraph p;
        word::Run run;
        run.properties.font = family;
        run.properties.sizeHalfPoints = 20;
        run.text = QStringLiteral("go \u10E5\u10D0\u10E0 \u05E2\u05D1 end");
        p.runs.push_back(run);
        const word::Styles styles = word::defaultStyles();
        const auto box = word::layoutParagraph(p, {styles, nullptr, 9360, 720}, fonts);
        QStringList styleOfFallbacks;
        for (const word::GlyphPiece& piece : box->lines.front().pieces) {
            const QRawFont raw = piece.glyphs.rawFont();
            if (raw.familyName() == expected.family)
                styleOfFallbacks << raw.styleName();
        }
        QVERIFY(!styleOfFallbacks.isEmpty());
        for (const QString& style : styleOfFallbacks)
            QCOMPARE(style, expected.style);
    }
};

QTEST_MAIN(WordFallbackFacesTest)
#include "test_word_fallback_faces.moc"

#include "ParagraphLayout.h"

#include "FallbackFaces.h"
#include "LineFitting.h"
#include "Resolve.h"

#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace word {

namespace {

struct RunSpan {
    int start = 0;
    int length = 0;
    RunFormat format;
    QString face; // another face than the format's, for characters it lacks
    bool faceBold = false;

    const QString& family() const { return face.isEmpty() ? format.font : face; }
    bool bold() const { return face.isEmpty() ? format.bold : faceBold; }
};

// Multiple spacing as a whole percentage: 259 (1.08 lines) is 108 %.
int spacingPercent(int line) {
    return static_cast<int>(std::lround(line * 127.0 / 72.0)) * 100 / 423;
}

// Applies the paragraph's line spacing to a single-spaced line; extra space
// goes below the text, the baseline stays.
void applySpacing(LineBox& box, const ResolvedParagraph& format) {
    switch (format.lineRule) {
    case LineRule::Auto: {
        const int single = box.height;
        box.height = single * spacingPercent(format.line) / 100;
        box.surplus = std::max(0, box.height - single);
        break;
    }
    case LineRule::Exact:
        box.height = format.line;
        break;
    case LineRule::AtLeast:
        box.height = std::max(box.height, format.line);
        break;
    }
}

void applyMetrics(LineBox& box, const LineMetrics& m) {
    const int descent = std::max(0, box.height - box.baseline);
    box.baseline = std::max(box.baseline, m.ascent);
    box.height = box.baseline + std::max(descent, m.height - m.ascent);
}

int alignmentOffset(Alignment alignment, int width, int natural) {
    switch (alignment) {
    case Alignment::Right:
        return std::max(0, width - natural);
    case Alignment::Center:
        return std::max(0, (width - natural) / 2);
    default:
        return 0;
    }
}

// A run's span, cut where its characters come from other faces.
void appendSpan(std::vector<RunSpan>& spans, const QString& text, const RunSpan& span,
                FontCache& fonts) {
    int at = span.start;
    const int end = span.start + span.length;
    for (const FaceStretch& other : fallbackStretches(
             text, at, end, span.format.font, span.format.halfPoints, span.format.bold, fonts)) {
        if (other.start > at)
            spans.push_back({at, other.start - at, span.format, {}});
        spans.push_back(
            {other.start, other.end - other.start, span.format, other.family, other.bold});
        at = other.end;
    }
    if (end > at)
        spans.push_back({at, end - at, span.format, {}});
}

std::vector<RunSpan> spansOf(const Paragraph& p, const ParagraphContext& context,
                             FontCache& fonts) {
    std::vector<RunSpan> spans;
    const QString text = p.text();
    int start = 0;
    for (const Run& run : p.runs) {
        const int length = static_cast<int>(run.text.size());
        if (length > 0)
            appendSpan(
                spans, text,
                {start, length, resolveRun(run.properties, context.styles, context.tableStyle), {}},
                fonts);
        start += length;
    }
    return spans;
}

bool sameFormat(const RunFormat& a, const RunFormat& b) {
    return a.font == b.font && a.halfPoints == b.halfPoints && a.bold == b.bold &&
           a.color == b.color;
}

// Runs as LibreOffice's line portions: neighbours of the same format are one.
std::vector<FitPortion> portionsOf(const std::vector<RunSpan>& spans, FontCache& fonts) {
    std::vector<FitPortion> portions;
    const RunFormat* previous = nullptr;
    for (const RunSpan& span : spans) {
        if (previous && sameFormat(*previous, span.format) && !portions.empty()) {
            portions.back().end = span.start + span.length;
        } else {
            const LineMetrics m =
                fonts.metrics(span.format.font, span.format.halfPoints, span.format.bold);
            portions.push_back({span.start, span.start + span.length, m.height});
        }
        previous = &span.format;
    }
    return portions;
}

void fillLine(LineBox& box, const QTextLine& line, const std::vector<RunSpan>& spans,
              const ResolvedParagraph& format, const ParagraphContext& context, FontCache& fonts) {
    const int from = line.textStart();
    const int to = from + line.textLength();
    for (const RunSpan& span : spans) {
        if (span.start >= to || span.start + span.length <= from)
            continue;
        applyMetrics(box,
                     fonts.metrics(span.format.font, span.format.halfPoints, span.format.bold));
    }
    // From the paragraph's start: a line after a carried tab starts at x.
    const int natural = static_cast<int>(std::lround(line.x() + line.naturalTextWidth()));
    const int dx = alignmentOffset(format.alignment, context.width, natural);
    box.right = dx + natural;
    const QPointF offset(dx, box.baseline - line.ascent());
    for (const RunSpan& span : spans) {
        const int a = std::max(from, span.start);
        const int b = std::min(to, span.start + span.length);
        if (a >= b)
            continue;
        const bool embolden = fonts.drawnEmboldened(span.family(), span.bold());
        for (const QGlyphRun& glyphs : line.glyphRuns(a, b - a))
            box.pieces.push_back({glyphs, span.format.color, offset, embolden});
    }
}

// The default tab stops up to past the line's edge, as stops of their
// own: a tab goes to the first stop past the text before it, as
// LibreOffice has it. Qt's own default stops round the text's x over the
// distance to 1/64 and skip a stop the text ends within 1/128 of it.
QList<QTextOption::Tab> defaultStops(int distance, int width) {
    QList<QTextOption::Tab> stops;
    if (distance > 0)
        for (int x = distance; x <= width + 2 * distance; x += distance)
            stops.append(QTextOption::Tab(x, QTextOption::LeftTab));
    return stops;
}

} // namespace

int ParagraphBox::linesHeight() const {
    int sum = 0;
    for (const LineBox& line : lines)
        sum = addExtent(sum, line.height);
    return sum;
}

std::shared_ptr<const ParagraphBox>
layoutParagraph(const Paragraph& paragraph, const ParagraphContext& context, FontCache& fonts) {
    auto box = std::make_shared<ParagraphBox>();
    const ResolvedParagraph format =
        resolveParagraph(paragraph.properties, context.styles, context.tableStyle);
    box->spacingBefore = format.spacingBefore;
    box->spacingAfter = format.spacingAfter;
    box->widowControl = format.widowControl;
    const std::vector<RunSpan> spans = spansOf(paragraph, context, fonts);
    if (spans.empty()) {
        const RunFormat mark =
            resolveRun(paragraph.properties.markRunProperties, context.styles, context.tableStyle);
        LineBox line;
        applyMetrics(line, fonts.metrics(mark.font, mark.halfPoints, mark.bold));
        applySpacing(line, format);
        box->lines.push_back(std::move(line));
        return box;
    }
    const QString text = paragraph.text();
    QTextLayout layout(text, fonts.font(spans.front().format.font, spans.front().format.halfPoints,
                                        spans.front().format.bold));
    QList<QTextLayout::FormatRange> ranges;
    for (const RunSpan& span : spans) {
        QTextCharFormat f;
        f.setFont(fonts.font(span.family(), span.format.halfPoints, span.bold()));
        ranges.append({span.start, span.length, f});
    }
    layout.setFormats(ranges);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(context.tabStop);
    if (text.contains(QLatin1Char('\t')))
        option.setTabs(defaultStops(context.tabStop, context.width));
    layout.setTextOption(option);
    const std::vector<FitPortion> portions = portionsOf(spans, fonts);
    layout.beginLayout();
    qreal indent = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setPosition(QPointF(indent, 0));
        indent = fitLine(line, text, context.width, portions, fonts) ? context.tabStop : 0;
        LineBox box_line;
        box_line.start = line.textStart();
        box_line.text = text.mid(line.textStart(), line.textLength());
        fillLine(box_line, line, spans, format, context, fonts);
        applySpacing(box_line, format);
        box->lines.push_back(std::move(box_line));
    }
    layout.endLayout();
    return box;
}

} // namespace word

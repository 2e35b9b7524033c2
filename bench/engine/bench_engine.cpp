// The document engine on the agenda: typing it through the selection,
// paginating, drawing a page, and the exporter's copy-and-delete loop.
#include "entry/SampleMeeting.h"
#include "generation/AgendaTyping.h"
#include "platform/word/automation/Application.h"
#include "platform/word/automation/Constants.h"
#include "platform/word/automation/Document.h"
#include "platform/word/layout/ParagraphLayout.h"
#include "platform/word/paint/PageRenderer.h"
#include "preview/PageLoop.h"
#include "support/TypedAgenda.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include "../OffscreenMain.h"

namespace {

using Agenda = testing::TypedAgenda;
using testing::sampleWithItems;

void BM_BuildSample(benchmark::State& state) {
    const MeetingAgenda::MeetingData meeting = entry::sampleMeeting();
    Agenda warm(meeting); // fonts are looked up once per process
    for (auto _ : state) {
        Agenda agenda(meeting);
        benchmark::DoNotOptimize(agenda.doc->model().body.size());
    }
}
BENCHMARK(BM_BuildSample)->Unit(benchmark::kMillisecond);

void BM_Paginate(benchmark::State& state) {
    Agenda agenda(sampleWithItems(static_cast<int>(state.range(0))));
    word::Layout& layout = agenda.doc->layout();
    for (auto _ : state) {
        layout.invalidateAll();
        benchmark::DoNotOptimize(layout.pageCount());
    }
    state.counters["pages"] = layout.pageCount();
}
BENCHMARK(BM_Paginate)->Arg(2)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_RenderPage(benchmark::State& state) {
    Agenda agenda(MeetingAgenda::MeetingData(entry::sampleMeeting()));
    word::Layout& layout = agenda.doc->layout();
    const int dpi = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(word::renderPage(layout, 0, {dpi}));
}
BENCHMARK(BM_RenderPage)->Arg(96)->Arg(192)->Unit(benchmark::kMillisecond);

// Every page as the exporter takes it (its own loop): copy, go to page 2,
// select back to the start, delete.
void BM_PageRemovalLoop(benchmark::State& state) {
    struct CountPages final : MeetingAgenda::PageSink {
        int pages = 0;
        void storePage(int n) override { pages = n; }
    };
    const MeetingAgenda::MeetingData meeting = sampleWithItems(static_cast<int>(state.range(0)));
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Agenda agenda(meeting);
        agenda.app->Selection().HomeKey(word::wd::Story);
        CountPages sink;
        app::StrictSteps run;
        state.ResumeTiming();
        MeetingAgenda::TakePages(run, agenda.app, agenda.doc, sink);
        pages = sink.pages;
    }
    state.counters["pages"] = pages;
    state.counters["per_page_ms"] = benchmark::Counter(
        pages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PageRemovalLoop)->Arg(2)->Arg(40)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

// One paragraph of `bytes` characters (a meeting title pasted in from a
// long file), broken into lines for the page's width: words, or one word.
void layoutLongParagraph(benchmark::State& state, const QString& sentence) {
    word::RunProperties run;
    run.font = QStringLiteral("Tahoma");
    run.sizeHalfPoints = 28;
    run.bold = true;
    word::Paragraph paragraph;
    paragraph.runs.push_back(
        {run, sentence.repeated(state.range(0) / sentence.size() + 1).left(state.range(0))});
    const word::Styles styles = word::defaultStyles();
    word::FontCache fonts;
    const word::ParagraphContext context{styles, nullptr, 9360, 720};
    std::size_t lines = 0;
    for (auto _ : state)
        lines = word::layoutParagraph(paragraph, context, fonts)->lines.size();
    state.counters["lines"] = double(lines);
}
void BM_LayoutLongParagraph(benchmark::State& state) {
    layoutLongParagraph(state, QStringLiteral("The committee weighs each proposal against the "
                                              "budget, the season and the supply of lobster. "));
}
void BM_LayoutLongWord(benchmark::State& state) {
    layoutLongParagraph(state, QStringLiteral("Lobsterfisheries"));
}
// The agenda with a long meeting title, typed and paginated.
void BM_AgendaLongTitle(benchmark::State& state) {
    MeetingAgenda::MeetingData meeting = entry::sampleMeeting();
    meeting.title = QStringLiteral("Lobster committee meeting on the budget and the season ")
                        .repeated(state.range(0) / 55 + 1)
                        .left(state.range(0));
    for (auto _ : state) {
        Agenda agenda(meeting);
        benchmark::DoNotOptimize(agenda.doc->layout().pageCount());
    }
}
BENCHMARK(BM_AgendaLongTitle)
    ->Arg(32 << 10)
    ->Arg(256 << 10)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

BENCHMARK(BM_LayoutLongParagraph)
    ->Arg(64 << 10)
    ->Arg(256 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_LayoutLongWord)
    ->Arg(64 << 10)
    ->Arg(256 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return runOffscreenBenchmarks<QGuiApplication>(argc, argv);
}

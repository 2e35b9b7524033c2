// The document engine on the agenda: typing it through the selection,
// paginating, drawing a page, and the exporter's copy-and-delete loop.
#include "entry/SampleMeeting.h"
#include "generation/AgendaTyping.h"
#include "platform/word/automation/Application.h"
#include "platform/word/automation/Constants.h"
#include "platform/word/automation/Document.h"
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

} // namespace

int main(int argc, char** argv) {
    return runOffscreenBenchmarks<QGuiApplication>(argc, argv);
}

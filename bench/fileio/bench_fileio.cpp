// SaveAs and Documents.Open of the sample agenda and of a 200-item agenda.
// Target: the sample saved and opened again in under 5 ms.
#include "AgendaCases.h"
#include "support/FakeClipboard.h"

#include "platform/word/automation/Application.h"
#include "platform/word/automation/Document.h"
#include "platform/word/io/DocumentFiles.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "../OffscreenMain.h"

namespace {

// One built document per case, laid out, and a folder for its files.
struct Fixture {
    testing::FakeClipboard clipboard;
    QTemporaryDir dir;
    std::shared_ptr<word::Application> app = word::Application::create(clipboard);
    std::shared_ptr<word::Document> doc;
    QString path;

    explicit Fixture(const QString& name) {
        for (const agenda::Case& c : agenda::comparisonCases()) {
            if (c.name == name)
                doc = agenda::buildAgenda(app, c.meeting);
        }
        doc->Repaginate();
        path = dir.filePath(name + QStringLiteral(".doc"));
        doc->SaveAs(path);
    }
};

Fixture& fixture(const QString& name) {
    static Fixture sample(QStringLiteral("sample"));
    static Fixture large(QStringLiteral("items-200"));
    return name == QStringLiteral("sample") ? sample : large;
}

QString caseName(const benchmark::State& state) {
    return state.range(0) == 0 ? QStringLiteral("sample") : QStringLiteral("items-200");
}

void BM_SaveAs(benchmark::State& state) {
    Fixture& f = fixture(caseName(state));
    for (auto _ : state)
        f.doc->SaveAs(f.path);
}

// The file read back into a model.
void BM_OpenFile(benchmark::State& state) {
    Fixture& f = fixture(caseName(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(word::openDocumentFile(f.path));
}

// Documents.Open in a second instance, every page laid out.
void BM_OpenAndPaginate(benchmark::State& state) {
    Fixture& f = fixture(caseName(state));
    for (auto _ : state) {
        auto opened = f.app->Documents().Open(f.path);
        opened->Repaginate();
        benchmark::DoNotOptimize(opened->layout().pageCount());
        opened->Close();
    }
}

void BM_SaveAndOpen(benchmark::State& state) {
    Fixture& f = fixture(caseName(state));
    for (auto _ : state) {
        f.doc->SaveAs(f.path);
        benchmark::DoNotOptimize(word::openDocumentFile(f.path));
    }
}

} // namespace

BENCHMARK(BM_SaveAs)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndPaginate)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAndOpen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runOffscreenBenchmarks<QGuiApplication>(argc, argv);
}

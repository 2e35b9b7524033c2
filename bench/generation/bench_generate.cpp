// "Start Creating Template" until the preview shows page 1, then "< Back",
// for the sample meeting and for 200 agenda items. Runs offscreen.
#include "entry/Form1.h"
#include "preview/Form2.h"
#include "support/Form1Fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include "../OffscreenMain.h"

namespace {

void addItems(Form1& f, int count) {
    for (int i = 0; i < count; ++i) {
        f.txtTime->setText(QString("%1:00 PM").arg(i % 12 + 1));
        f.txtTopic->setText(QString("Topic %1").arg(i));
        f.txtDetails->setText(QString("Details of agenda item %1").arg(i));
        f.txtRoom->setText("Rm 121");
        f.PushButton2_Click();
    }
}

void generate(benchmark::State& state, int extraItems) {
    QTemporaryDir temp;
    qputenv("TEMP", QFile::encodeName(temp.path()));
    testing::TestServices t;
    testing::Form1Run run(t);
    Form1& f = *run.form;
    f.PushButton5_Click();
    addItems(f, extraItems);
    for (auto _ : state) {
        f.PushButton1_Click();
        state.PauseTiming();
        if (!t.messages.boxes.isEmpty() || !f.form2().isVisible())
            state.SkipWithError("generation reported a failure");
        f.form2().PushButton8_Click();
        state.ResumeTiming();
    }
    state.counters["pages"] = f.form2().ListView1->topLevelItemCount();
}

void BM_GenerateSample(benchmark::State& state) {
    generate(state, 0);
}
void BM_Generate200Items(benchmark::State& state) {
    generate(state, 198);
}

BENCHMARK(BM_GenerateSample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generate200Items)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runOffscreenBenchmarks<QApplication>(argc, argv);
}

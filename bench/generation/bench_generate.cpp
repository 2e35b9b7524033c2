// "Start Creating Template" until the preview shows page 1, then "< Back",
// for the sample meeting and for 200 agenda items. Runs offscreen.
#include "entry/Form1.h"
#include "preview/Form2.h"
#include "support/Form1Fixture.h"

#include <QApplication>
#include <QFile>
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

// The process's resident memory from /proc/self/status ("VmRSS:" now,
// "VmHWM:" at its peak), in megabytes.
double residentMegabytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
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
    state.counters["rss_MB"] = residentMegabytes("VmRSS:");
    state.counters["peak_rss_MB"] = residentMegabytes("VmHWM:");
}

void BM_GenerateSample(benchmark::State& state) {
    generate(state, 0);
}
void BM_Generate200Items(benchmark::State& state) {
    generate(state, 198);
}

// The preview of a long agenda, for its memory.
void BM_Generate1000Items(benchmark::State& state) {
    generate(state, 998);
}

BENCHMARK(BM_GenerateSample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generate200Items)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generate1000Items)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    return runOffscreenBenchmarks<QApplication>(argc, argv);
}

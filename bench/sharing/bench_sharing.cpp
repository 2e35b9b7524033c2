// The agenda leaving the program: as a PDF (the whole file, in memory) and
// printed (spooled to a printer that writes a PDF file), for the sample and
// for 200 agenda items.
#include "entry/SampleMeeting.h"
#include "generation/AgendaTyping.h"
#include "platform/word/automation/Application.h"
#include "platform/word/automation/Document.h"
#include "platform/word/paint/DocumentPages.h"
#include "support/TypedAgenda.h"

#include <QApplication>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "../OffscreenMain.h"

namespace {

struct Agenda : testing::TypedAgenda {
    explicit Agenda(int items) : TypedAgenda(testing::sampleWithItems(items)) { doc->Repaginate(); }
};

void BM_ExportPdf(benchmark::State& state) {
    Agenda agenda(static_cast<int>(state.range(0)));
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray pdf;
        QBuffer out(&pdf);
        out.open(QIODevice::WriteOnly);
        word::writePdf(agenda.doc->layout(), out, QStringLiteral("Agenda"));
        bytes = pdf.size();
    }
    state.counters["pages"] = agenda.doc->layout().pageCount();
    state.counters["kB"] = double(bytes) / 1024;
}
BENCHMARK(BM_ExportPdf)->Arg(2)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_PrintToFile(benchmark::State& state) {
    Agenda agenda(static_cast<int>(state.range(0)));
    word::Layout& layout = agenda.doc->layout();
    QList<int> pages;
    for (int i = 0; i < layout.pageCount(); ++i)
        pages << i;
    QTemporaryDir dir;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        printer.setPageSize(word::pageSizeOf(layout.document().section));
        printer.setFullPage(true);
        word::paintPages(layout, printer, pages);
    }
    state.counters["pages"] = layout.pageCount();
}
BENCHMARK(BM_PrintToFile)->Arg(2)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runOffscreenBenchmarks<QApplication>(argc, argv);
}

// agenda-docs: writes the comparison set of agenda documents with the
// document engine and reports, as JSON on standard output, what the engine
// makes of each saved file when it opens it again: its pages, the text of
// every page, how long saving, opening and rendering took, and the page's
// size and margins in twips.
//
//   agenda-docs [--pictures] OUTPUT_FOLDER [CASE...]
//
// With --pictures every page is also written as NAME-N.png beside the file,
// and the whole document as the program exports it, NAME-ours.pdf.

#include "AgendaCases.h"
#include "support/FakeClipboard.h"

#include "platform/word/automation/Application.h"
#include "platform/word/automation/Document.h"
#include "platform/word/io/DocumentFiles.h"
#include "platform/word/paint/DocumentPages.h"
#include "platform/word/paint/PageRenderer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

double millisecondsSince(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// The document exported as the program exports it; the file's path, or an
// empty string when it could not be written.
QString exportPdf(word::Layout& layout, const QString& path, const QString& title) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !word::writePdf(layout, file, title))
        return {};
    return path;
}

// A case's document as saved: its pages before saving, the time saving
// took, and the notes of a document made directly.
struct Saved {
    int builtPages = 0;
    double saveMs = 0;
    QJsonArray notes;
};

Saved saveCase(const agenda::Case& c, const QString& path, platform::Clipboard& clipboard) {
    Saved saved;
    QElapsedTimer timer;
    if (c.document) {
        agenda::BuiltDocument built = c.document();
        word::FontCache fonts;
        word::Layout layout(built.model, fonts);
        saved.builtPages = layout.pageCount();
        timer.start();
        word::saveDocumentFile(built.model, path, layout);
        saved.saveMs = millisecondsSince(timer);
        saved.notes = built.notes;
        return saved;
    }
    auto builder = word::Application::create(clipboard);
    auto built = agenda::buildAgenda(builder, c.meeting);
    saved.builtPages = built->layout().pageCount();
    timer.start();
    built->SaveAs(path);
    saved.saveMs = millisecondsSince(timer);
    builder->Quit();
    return saved;
}

QJsonObject runCase(const agenda::Case& c, const QString& folder, platform::Clipboard& clipboard,
                    bool pictures) {
    const QString path = QDir(folder).filePath(c.name + QStringLiteral(".doc"));
    const Saved saved = saveCase(c, path, clipboard);
    QElapsedTimer timer;

    auto reader = word::Application::create(clipboard);
    timer.start();
    auto opened = reader->Documents().Open(path);
    opened->Repaginate();
    const double openMs = millisecondsSince(timer);
    timer.restart();
    word::Layout& layout = opened->layout();
    std::vector<QImage> images;
    for (int page = 0; page < layout.pageCount(); ++page)
        images.push_back(word::renderPage(layout, page));
    const double renderMs = millisecondsSince(timer);
    for (std::size_t page = 0; pictures && page < images.size(); ++page)
        images[page].save(
            QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(c.name).arg(page + 1)));
    const QString pdf =
        pictures ? exportPdf(layout, QDir(folder).filePath(c.name + QStringLiteral("-ours.pdf")),
                             c.document ? c.name : c.meeting.title)
                 : QString();
    const QStringList texts = layout.pageTexts();
    reader->Quit();

    QJsonObject result;
    result[QStringLiteral("name")] = c.name;
    result[QStringLiteral("file")] = path;
    if (!pdf.isEmpty())
        result[QStringLiteral("pdf")] = pdf;
    result[QStringLiteral("agenda")] = !c.document;
    if (!saved.notes.isEmpty())
        result[QStringLiteral("probes")] = saved.notes;
    result[QStringLiteral("builtPages")] = saved.builtPages;
    result[QStringLiteral("pages")] = int(texts.size());
    result[QStringLiteral("pageTexts")] = QJsonArray::fromStringList(texts);
    result[QStringLiteral("saveMs")] = saved.saveMs;
    result[QStringLiteral("openMs")] = openMs;
    result[QStringLiteral("renderMs")] = renderMs;
    const word::Section& section = opened->model().section;
    result[QStringLiteral("page")] =
        QJsonObject{{QStringLiteral("width"), section.pageWidth},
                    {QStringLiteral("height"), section.pageHeight},
                    {QStringLiteral("marginLeft"), section.marginLeft},
                    {QStringLiteral("marginTop"), section.marginTop},
                    {QStringLiteral("marginRight"), section.marginRight},
                    {QStringLiteral("marginBottom"), section.marginBottom}};
    return result;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool pictures = args.removeAll(QStringLiteral("--pictures")) > 0;
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: agenda-docs [--pictures] OUTPUT_FOLDER [CASE...]\n");
        return 2;
    }
    QDir().mkpath(args.first());
    testing::FakeClipboard clipboard;
    QJsonArray results;
    std::vector<agenda::Case> cases = agenda::comparisonCases();
    for (agenda::Case& c : agenda::fidelityCases())
        cases.push_back(std::move(c));
    for (auto* more : {agenda::lineProbeCases, agenda::pageBreakProbeCases,
                       agenda::fallbackProbeCases, agenda::tallAndLongCases})
        for (agenda::Case& c : more())
            cases.push_back(std::move(c));
    for (const agenda::Case& c : cases) {
        if (args.size() > 1 && !args.mid(1).contains(c.name))
            continue;
        results.append(runCase(c, args.first(), clipboard, pictures));
    }
    std::fputs(QJsonDocument(results).toJson().constData(), stdout);
    return 0;
}

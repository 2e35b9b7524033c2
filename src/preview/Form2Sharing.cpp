// The agenda leaves the preview as a PDF or on paper, besides the Word file:
// Ctrl+E and Ctrl+P, and the same two in the context menu of the page view
// and of the page list; Ctrl+S saves the Word file as its button does. All
// three draw from the result's document with the same layout as the pages
// on show.

#include "Form2.h"

#include "ResultDocument.h"

#include "../entry/Form1.h"
#include "../platform/controls/PictureBox.h"
#include "../platform/messages/MessageService.h"
#include "../platform/shell/Shell.h"
#include "../platform/word/paint/DocumentPages.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTreeWidget>

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

// A meeting title as a file name: no folder separators or control
// characters, no leading dot, not too long; "Agenda" when nothing is left.
QString fileNameFor(const QString& title) {
    static const QRegularExpression unfit(QStringLiteral("[/\\\\\\x00-\\x1f\\x7f]+"));
    QString name = QString(title).replace(unfit, QStringLiteral(" ")).simplified();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    name = name.left(200).trimmed();
    return name.isEmpty() ? Form2::tr("Agenda") : name;
}

QString withPdfExtension(const QString& target) {
    return QFileInfo(target).suffix().isEmpty() ? target + QStringLiteral(".pdf") : target;
}

} // namespace

void Form2::createSharingActions() {
    const auto action = [this](const QString& text, QKeySequence keys, void (Form2::*handler)()) {
        auto* a = new QAction(text, this);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, handler);
        addAction(a);
        return a;
    };
    exportPdfAction =
        action(tr("Export as PDF…"), QKeySequence(Qt::CTRL | Qt::Key_E), &Form2::exportPdf);
    printAction = action(tr("Print…"), QKeySequence(Qt::CTRL | Qt::Key_P), &Form2::printAgenda);
    action(tr("Save Results To Word File"), QKeySequence(Qt::CTRL | Qt::Key_S),
           &Form2::PushButton6_Click);
    pageMenu = new QMenu(this);
    pageMenu->setObjectName(QStringLiteral("pageMenu"));
    pageMenu->addAction(exportPdfAction);
    pageMenu->addAction(printAction);
    // A list reports the point in its viewport's coordinates.
    const std::initializer_list<std::pair<QWidget*, QWidget*>> areas{
        {Picture2, Picture2}, {Picture1, Picture1}, {ListView1, ListView1->viewport()}};
    for (const auto& [area, coordinates] : areas) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, coordinates](QPoint at) { pageMenu->popup(coordinates->mapToGlobal(at)); });
    }
}

QString Form2::meetingTitle() const {
    return m_entry ? m_entry->txtMeetingTitle->text().trimmed() : QString();
}

void Form2::exportPdf() {
    const QString proposed =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(fileNameFor(meetingTitle()) + QStringLiteral(".pdf"));
    QString target = m_services.shell.askSaveFileName(tr("Export as PDF"),
                                                      tr("PDF Files (*.pdf)|*.pdf"), proposed);
    if (target.isEmpty())
        return;
    target = withPdfExtension(target);
    if (isWorkingCopy(target))
        return refuseWorkingCopy(target);
    if (QFileInfo::exists(target) &&
        m_services.messages.show(tr("Are you sure you wish to overwrite %1 ?").arg(target),
                                 MsgButtons::YesNo, MsgIcon::None) != MsgAnswer::Yes)
        return;
    const QString failure = writePdf(target);
    if (failure.isEmpty())
        m_services.messages.show(tr("Done."), MsgButtons::Ok, MsgIcon::None);
    else
        m_services.messages.show(tr("The agenda could not be exported as a PDF.\r\n") + failure,
                                 MsgButtons::Ok, MsgIcon::Exclamation);
}

// The PDF goes into place in one step, so a failure leaves any old file as
// it was. An empty result means success.
QString Form2::writePdf(const QString& target) {
    try {
        preview::ResultDocument document(m_services.automation, mWordFile);
        QSaveFile file(target);
        file.setDirectWriteFallback(true);
        if (!file.open(QIODevice::WriteOnly))
            return tr("%1 could not be written: %2").arg(target, file.errorString());
        if (!word::writePdf(document.layout(), file, meetingTitle()))
            return tr("%1 could not be written.").arg(target);
        if (!file.commit())
            return tr("%1 could not be written: %2").arg(target, file.errorString());
        return {};
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
}

void Form2::printAgenda() {
    QString failure;
    try {
        preview::ResultDocument document(m_services.automation, mWordFile);
        const int pages = document.pageCount();
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(fileNameFor(meetingTitle()));
        printer.setPageSize(word::pageSizeOf(document.layout().document().section));
        printer.setFullPage(true);
        printer.setFromTo(1, pages);
        if (!m_services.shell.askPrint(printer, pages))
            return;
        if (!printPages(document.layout(), printer, pages))
            failure = tr("The printer %1 could not be used.").arg(printer.printerName());
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }
    if (!failure.isEmpty())
        m_services.messages.show(tr("The agenda could not be printed.\r\n") + failure,
                                 MsgButtons::Ok, MsgIcon::Exclamation);
}

// The pages the print dialog chose, in one job; as many copies as it asked
// where the printer cannot make them itself, collated or not.
bool Form2::printPages(word::Layout& layout, QPrinter& printer, int pages) {
    int first = 1;
    int last = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = std::min(printer.toPage(), pages);
    }
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    QList<int> order;
    for (int round = 0; round < (printer.collateCopies() ? copies : 1); ++round)
        for (int page = first; page <= last; ++page)
            for (int copy = 0; copy < (printer.collateCopies() ? 1 : copies); ++copy)
                order << page - 1;
    return word::paintPages(layout, printer, order);
}

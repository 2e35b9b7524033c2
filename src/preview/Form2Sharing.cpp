// The agenda leaves the preview as a PDF or on paper, besides the Word file:
// Ctrl+E and Ctrl+P, and the same two in the context menu of the page view
// and of the page list; Ctrl+S saves the Word file as its button does. All
// three draw from the result's document with the same layout as the pages
// on show.

#include "Form2.h"

#include "ResultDocument.h"

#include "../app/ShellUtilities.h"
#include "../entry/Form1.h"
#include "../platform/controls/PictureBox.h"
#include "../platform/files/FileReplacement.h"
#include "../platform/messages/MessageService.h"
#include "../platform/shell/PrintJobAnswer.h"
#include "../platform/shell/PrintJobOptions.h"
#include "../platform/shell/Shell.h"
#include "../platform/word/paint/DocumentPages.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
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
    saveAction = action(tr("Save Results To Word File"), QKeySequence(Qt::CTRL | Qt::Key_S),
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

// The page view drags with every button, so a right-button press only
// marks where it was: the menu opens on the release of a click that did
// not move, at the pointer, so no release can land on one of its entries.
// The Menu key and Shift+F10 open it at once, in the middle of the view.
bool Form2::pageMenuEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            m_rightPressAt = mouse->globalPosition().toPoint();
            m_rightDragged = false;
        }
        return false;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if ((mouse->buttons() & Qt::RightButton) &&
            (mouse->globalPosition().toPoint() - m_rightPressAt).manhattanLength() >=
                QApplication::startDragDistance())
            m_rightDragged = true;
        return false;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && m_menuOnRelease && !m_rightDragged)
            pageMenu->popup(mouse->globalPosition().toPoint());
        if (mouse->button() == Qt::RightButton)
            m_menuOnRelease = false;
        return false;
    }
    case QEvent::KeyPress: {
        // Some window systems follow the Menu key with a context-menu event
        // of their own; the menu is then open already.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (!menuKey && !shiftF10)
            return false;
        pageMenu->popup(Picture2->mapToGlobal(Picture2->rect().center()));
        return true;
    }
    case QEvent::ContextMenu:
        if (static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Mouse)
            return pageMenu->isVisible();
        if (QGuiApplication::mouseButtons() & Qt::RightButton) {
            m_menuOnRelease = true;
            return true;
        }
        return m_rightDragged; // a menu a system sends after a drag's release
    default:
        return false;
    }
}

QString Form2::meetingTitle() const {
    return m_entry ? m_entry->txtMeetingTitle->text().trimmed() : QString();
}

void Form2::exportPdf() {
    const QString proposed =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(Main::FileNameFor(meetingTitle(), tr("Agenda")) + QStringLiteral(".pdf"));
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
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (!word::writePdf(document.layout(), pdf, meetingTitle()))
            return tr("The PDF of the agenda could not be made.");
        platform::replaceFile(target, pdf.data());
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
        printer.setDocName(Main::FileNameFor(meetingTitle(), tr("Agenda")));
        printer.setPageSize(word::pageSizeOf(document.layout().document().section));
        printer.setFullPage(true);
        printer.setFromTo(1, pages);
        if (!m_services.shell.askPrint(printer, pages))
            return;
        platform::keepGlyphOutlines(printer);
        if (!printPages(document.layout(), printer, pages))
            failure = tr("The printer %1 could not be used.").arg(printer.printerName());
        else if (const QString refusal = platform::printJobRefusal(printer); !refusal.isEmpty())
            failure = QCoreApplication::translate("RuntimeError", "%1: %2")
                          .arg(printer.printerName(), refusal);
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

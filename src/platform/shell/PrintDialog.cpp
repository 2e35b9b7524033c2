#include "PrintDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QPrinter>

#include <algorithm>

namespace platform {

namespace {
// What Qt's print dialog calls the paper list of a printer's properties.
const QString kPaperSizes = QStringLiteral("pageSizeCombo");

// The printer's properties: a dialog of Qt's print dialog with a paper list.
bool isProperties(const QObject* object) {
    const auto* dialog = qobject_cast<const QDialog*>(object);
    return dialog && dialog->findChild<QComboBox*>(kPaperSizes);
}
} // namespace

PrintDialog::PrintDialog(QPrinter& printer, int pageCount, QWidget* parent)
    : QPrintDialog(&printer, parent), m_paper(printer.pageLayout().pageSize()) {
    setMinMax(1, pageCount);
    setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies |
               QAbstractPrintDialog::PrintShowPageSize);
    // Qt makes the properties when they are first shown (and anew for
    // another printer); they are caught as they show.
    qApp->installEventFilter(this);
}

// A dialog this one made: its own window, so not found by isAncestorOf().
bool PrintDialog::isOwnDialog(const QObject* object) const {
    for (const QObject* o = object; o; o = o->parent())
        if (o == this)
            return true;
    return false;
}

bool PrintDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && isProperties(watched) && isOwnDialog(watched) &&
        std::find(m_proposed.begin(), m_proposed.end(), watched) == m_proposed.end()) {
        m_proposed.emplace_back(watched);
        proposeDocumentPaper(*static_cast<QWidget*>(watched));
    }
    return QPrintDialog::eventFilter(watched, event);
}

// The printer's entry of the document's paper: the one of the same name
// where there is one ("Letter", not an "ANSI A" of the same size), else one
// of the same size.
void PrintDialog::proposeDocumentPaper(QWidget& properties) {
    for (QComboBox* sizes : properties.findChildren<QComboBox*>(kPaperSizes)) {
        int same = -1;
        for (int i = sizes->count() - 1; i >= 0; --i) {
            const QVariant data = sizes->itemData(i);
            if (!data.canConvert<QPageSize>() || !data.value<QPageSize>().isEquivalentTo(m_paper))
                continue;
            if (same < 0 || data.value<QPageSize>().key() == QPageSize::key(m_paper.id()))
                same = i;
        }
        if (same >= 0)
            sizes->setCurrentIndex(same);
    }
}

// The user confirmed the properties of the printer now chosen.
bool PrintDialog::paperConfirmed() const {
    const auto dialogs = findChildren<QDialog*>();
    return std::any_of(dialogs.begin(), dialogs.end(), [](const QDialog* d) {
        return isProperties(d) && d->result() == QDialog::Accepted;
    });
}

void PrintDialog::accept() {
    const bool confirmed = paperConfirmed();
    QPrintDialog::accept();
    if (result() == QDialog::Accepted && !confirmed)
        printer()->setPageSize(m_paper);
}

} // namespace platform

#pragma once

#include <QPageSize>
#include <QPointer>
#include <QPrintDialog>

#include <vector>

namespace platform {

// The system print dialog for a document of some pages, keeping the
// document's own paper. Qt's dialog takes the chosen printer's default paper
// (a Letter agenda would come out shrunk onto a queue's A4) whether or not
// the user looked at the paper at all. Here the printer's properties open on
// the document's paper, and the document's paper stays unless the user
// chose another there and confirmed it.
class PrintDialog final : public QPrintDialog {
    Q_OBJECT
public:
    PrintDialog(QPrinter& printer, int pageCount, QWidget* parent = nullptr);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isOwnDialog(const QObject* object) const;
    bool paperConfirmed() const;
    void proposeDocumentPaper(QWidget& properties);

    QPageSize m_paper;
    std::vector<QPointer<QObject>> m_proposed;
};

} // namespace platform

#pragma once

#include <QFileDialog>

namespace platform {

// The desktop's save dialog, which gives back the name as the user typed
// it. Qt's own dialog reads typed text with double quotes as a list of
// quoted names ("a" "b"), so that `Board "Q3" review.doc` would become
// "Q3", another file; here such a name is taken whole, in the dialog's
// folder. The desktop's native dialogs need no help.
class SaveDialog final : public QFileDialog {
    Q_OBJECT
public:
    SaveDialog(QWidget* parent, const QString& title, const QString& fileName,
               const QString& filter);

    // The file chosen; empty when the dialog was cancelled.
    QString chosenFile() const;

public slots:
    void accept() override;

private:
    QString m_typed;
};

} // namespace platform

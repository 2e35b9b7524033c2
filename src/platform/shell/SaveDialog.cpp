#include "SaveDialog.h"

#include <QFileInfo>
#include <QLineEdit>

namespace platform {

SaveDialog::SaveDialog(QWidget* parent, const QString& title, const QString& fileName,
                       const QString& filter)
    : QFileDialog(parent, title, fileName, filter) {
    setAcceptMode(QFileDialog::AcceptSave);
    // The program asks its own overwrite question.
    setOption(QFileDialog::DontConfirmOverwrite, true);
}

void SaveDialog::accept() {
    const auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString typed = edit ? edit->text() : QString();
    if (!typed.contains(QLatin1Char('"')))
        return QFileDialog::accept();
    const QString path = directory().absoluteFilePath(typed);
    if (QFileInfo(path).isDir()) {
        // As for any typed folder: the dialog goes there and stays open.
        setDirectory(path);
        findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->clear();
        return;
    }
    m_typed = QDir::cleanPath(path);
    QDialog::accept();
}

QString SaveDialog::chosenFile() const {
    if (result() != QDialog::Accepted)
        return QString();
    if (!m_typed.isEmpty())
        return m_typed;
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

} // namespace platform

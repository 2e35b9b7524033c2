// The desktop's save dialog, typed into as a user types: the name that
// comes back is the name typed, double quotes and all.
#include "platform/shell/DesktopShell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// Types each text into the open dialog's name field and presses Enter,
// until the dialog closes; one that stays open after the last is cancelled.
void typeIntoDialog(const QStringList& texts) {
    QTimer::singleShot(0, [texts] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        // The name field has the keyboard, as when a user types.
        dialog->activateWindow();
        QTest::qWaitForWindowActive(dialog);
        for (const QString& text : texts) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
            // The name is typed whole: no completion is taken.
            if (QCompleter* completer = edit->completer())
                completer->popup()->hide();
            QTest::keyClick(edit, Qt::Key_Return);
            QCoreApplication::processEvents();
            if (!dialog->isVisible())
                return;
        }
        dialog->reject();
    });
}

} // namespace

class TestSaveDialog : public QObject {
    Q_OBJECT
private slots:
    void theTypedNameComesBackWhole_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("plain") << QStringList{"Budget review.doc"} << "Budget review.doc";
        QTest::newRow("quotes") << QStringList{"Board \"Q3\" review.doc"}
                                << "Board \"Q3\" review.doc";
        QTest::newRow("quoted name only") << QStringList{"\"Q3\""} << "\"Q3\"";
        QTest::newRow("a folder with quotes, then a name")
            << QStringList{"The \"old\" ones", "Board \"Q3\" review.doc"}
            << "The \"old\" ones/Board \"Q3\" review.doc";
    }
    void theTypedNameComesBackWhole() {
        QFETCH(QStringList, typed);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("The \"old\" ones")));
        QFile(dir.filePath(QStringLiteral("Q3"))).open(QIODevice::WriteOnly);
        platform::DesktopShell shell;
        typeIntoDialog(typed);
        const QString result = shell.askSaveFileName(QStringLiteral("Save File"),
                                                     QStringLiteral("Word Files (*.doc)|*.doc"),
                                                     dir.filePath(QStringLiteral("Agenda.doc")));
        QCOMPARE(result, dir.filePath(chosen));
    }

    void aCancelledDialogGivesNoName() {
        platform::DesktopShell shell;
        QTimer::singleShot(0, [] {
            if (auto* dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        QCOMPARE(shell.askSaveFileName(QStringLiteral("Save File"),
                                       QStringLiteral("Word Files (*.doc)|*.doc"), QString()),
                 QString());
    }
};

QTEST_MAIN(TestSaveDialog)
#include "test_save_dialog.moc"

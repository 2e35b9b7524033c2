// The real message box, as the user sees its text.
#include "app/ErrorTrap.h"
#include "platform/messages/QtMessageService.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace {

struct Seen {
    QString text;
    QString label;
    Qt::TextFormat format = Qt::AutoText;
    QString title;
};

// Shows the box for real and reads it while it is open.
Seen showAndRead(const QString& text, const QString& caption = QString()) {
    Seen seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.text = box->text();
        seen.format = box->textFormat();
        seen.title = box->windowTitle();
        if (auto* label = box->findChild<QLabel*>("qt_msgbox_label"))
            seen.label = label->text();
        box->accept();
    });
    platform::QtMessageService().show(text, platform::MsgButtons::Ok,
                                      platform::MsgIcon::Exclamation, caption);
    return seen;
}

} // namespace

class TestMessageService : public QObject {
    Q_OBJECT
private slots:
    void theErrorBoxShowsItsParagraphs() {
        const QString stored = app::ErrorTrap::boxText(
            "Permission denied", "in Parvelin2021/08/31.Form2.PushButton6_Click ", 130);
        QVERIFY(stored.contains("at line 130\r\rPlease email")); // the text itself is unchanged
        const Seen seen = showAndRead(stored, "Application Error");
        QCOMPARE(seen.title, QString("Application Error"));
        QCOMPARE(seen.text, QString("Permission denied\n"
                                    "in Parvelin2021/08/31.Form2.PushButton6_Click at line 130\n"
                                    "\n"
                                    "Please email screenshot of this message to "
                                    "support@marrowind.example"));
        QCOMPARE(seen.label, seen.text);
    }

    void textIsShownAsWrittenNeverAsMarkup() {
        const QString path = "/tmp/<b>agenda</b> & notes.doc";
        const Seen seen = showAndRead("Are you sure you wish to overwrite " + path + " ?");
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.text, "Are you sure you wish to overwrite " + path + " ?");
    }

    void aNoticeDoesNotWaitNorTakeTheKeyboard() {
        QLineEdit field;
        field.show();
        field.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        platform::QtMessageService().notify("Cannot save.\r\rStill typing.",
                                            platform::MsgIcon::Exclamation);
        QMessageBox* box = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            box = box ? box : qobject_cast<QMessageBox*>(w);
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->parentWidget(), &field); // kept above the window typed into
        QCOMPARE(box->text(), QString("Cannot save.\n\nStill typing."));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(box->testAttribute(Qt::WA_ShowWithoutActivating));
        QTest::keyClicks(&field, "abc");
        QCOMPARE(field.text(), QString("abc"));
        box->accept();
        QTRY_VERIFY(!box->isVisible());
    }
};

QTEST_MAIN(TestMessageService)
#include "test_message_service.moc"

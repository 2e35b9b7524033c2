// The interface and the agenda in German and French, and byte for byte
// unchanged in English and the C locale: the translations are complete and
// keep their placeholders, the entry window's words fit their places, the
// generated document's headings are translated while the user's own text is
// not, Qt's own dialogs speak the language too, and the date put in an
// empty field has four digits of year in every locale.
#include "app/ErrorTrap.h"
#include "app/Translations.h"
#include "entry/DateText.h"
#include "entry/Form1.h"
#include "platform/automation/AutomationRegistry.h"
#include "platform/controls/TabControl.h"
#include "platform/word/io/FileBytes.h"
#include "preview/Form2.h"
#include "preview/SharingFixture.h"
#include "support/ScriptedMessages.h"

#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString source;
    QString translation;
    bool finished = true;
};

QList<Message> messagesOf(const QString& tsFile) {
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source") {
            messages.append({xml.readElementText(QXmlStreamReader::IncludeChildElements), {}});
        } else if (xml.name() == u"translation" && !messages.isEmpty()) {
            messages.back().finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            messages.back().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return messages;
}

// What must come through a translation unchanged: placeholders, line
// breaks, the doubled ampersand and a trailing blank that text follows.
QStringList keptParts(const QString& text) {
    static const QRegularExpression parts(QStringLiteral("%\\d|\\r|\\n|&&| $"));
    QStringList found;
    for (auto it = parts.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

QString texts(const Form1& f) {
    QStringList all{f.PushButton1->text(),   f.PushButton4->text(),   f.PushButton5->text(),
                    f.Frame1->title(),       f.Frame2->title(),       f.Frame3->title(),
                    f.SSTab1->tabCaption(0), f.SSTab1->tabCaption(1), f.PushButton2->text(),
                    f.PushButton3->text()};
    for (const QLabel* l : f.Label1)
        all << l->text();
    for (int c = 0; c < f.ListView1->columnCount(); ++c)
        all << f.ListView1->headerItem()->text(c);
    return all.join(QLatin1Char('|'));
}

const QString kEnglish = QStringLiteral(
    "Start Creating Template|Clear/Reset Data|Load Sample/Example Data|Meeting Title|Date of "
    "Meeting|Meeting Called By|Attendee, Reading, && Supplies|Time|Add|Delete Selected|Time:|"
    "Topic:|Details:|Room:|Attendee List:|Reading List:|Supplies List:|Additional "
    "Instructions:|Time|Topic|Details|Room");

// Words that do not fit: a label running into its box, a caption wider
// than its button.
QStringList crowded(const Form1& f) {
    QStringList found;
    for (const QLabel* label : f.Label1) {
        const QWidget* box = label->buddy();
        const int needed = label->wordWrap() ? label->width() : label->sizeHint().width();
        if (label->x() + needed > box->x() ||
            (label->wordWrap() && label->heightForWidth(label->width()) > label->height()))
            found << label->text();
    }
    for (const QPushButton* b : f.findChildren<QPushButton*>()) {
        if (b->fontMetrics().horizontalAdvance(b->text()) + 8 > b->width())
            found << b->text();
    }
    return found;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextIsTranslatedWithItsPlaceholders_data() {
        QTest::addColumn<QString>("file");
        QDirIterator it(QStringLiteral(QUILLARY_TRANSLATIONS), {QStringLiteral("*.ts")});
        while (it.hasNext()) {
            const QString file = it.next();
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
        }
    }
    void everyTextIsTranslatedWithItsPlaceholders() {
        QFETCH(QString, file);
        const QList<Message> messages = messagesOf(file);
        QVERIFY(messages.size() > 50);
        for (const Message& m : messages) {
            QVERIFY2(m.finished && !m.translation.isEmpty(), qPrintable(m.source));
            QCOMPARE(keptParts(m.translation), keptParts(m.source));
        }
    }

    void theEntryWindowSpeaksTheLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("lists");
        QTest::addColumn<QString>("time");
        QTest::newRow("German") << "de_DE"
                                << "Vorlage erstellen"
                                << "Teilnehmer, Lektüre && Material"
                                << "Zeit:";
        QTest::newRow("French") << "fr_FR"
                                << "Créer le modèle"
                                << "Participants, lectures && fournitures"
                                << "Heure\u00a0:";
    }
    void theEntryWindowSpeaksTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, start);
        QFETCH(QString, lists);
        QFETCH(QString, time);
        const app::Translations translations{QLocale(locale)};
        QVERIFY(translations.translatesProgram());
        testing::GenerationRun g;
        Form1& f = g.form();
        QCOMPARE(f.PushButton1->text(), start);
        QCOMPARE(f.SSTab1->tabCaption(0), lists);
        QCOMPARE(f.Label1[0]->text(), time);
        // No English word left, none crowded.
        const QStringList english = kEnglish.split(QLatin1Char('|'));
        const QStringList shown = texts(f).split(QLatin1Char('|'));
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (!shown[i].startsWith(QStringLiteral("Details")))
                QVERIFY2(shown[i] != english[i], qPrintable(shown[i]));
        }
        QVERIFY2(crowded(f).isEmpty(), qPrintable(crowded(f).join(QStringLiteral(", "))));
        f.PushButton1_Click();
        QCOMPARE(g.t.messages.texts().value(0),
                 locale == "de_DE" ? QStringLiteral("Sie haben vergessen, eine Zeit hinzuzufügen.")
                                   : QStringLiteral("Vous avez oublié d’ajouter une heure."));
    }

    void theAgendaHeadingsAreTranslatedAndTheUsersTextIsNot_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("headings");
        QTest::newRow("German")
            << "de_DE" << QStringList{"TAGESORDNUNG",      "Besprechung einberufen von Tobias Renn",
                                      "Teilnehmer:",       "Bitte lesen:",
                                      "Bitte mitbringen:", "Weitere Informationen:",
                                      "9:00 - 17:00 Uhr"};
        QTest::newRow("French")
            << "fr_FR" << QStringList{"ORDRE DU JOUR",       "Réunion convoquée par Tobias Renn",
                                      "Participants\u00a0:", "À lire\u00a0:",
                                      "À apporter\u00a0:",   "Informations complémentaires\u00a0:"};
    }
    void theAgendaHeadingsAreTranslatedAndTheUsersTextIsNot() {
        QFETCH(QString, locale);
        QFETCH(QStringList, headings);
        const app::Translations translations{QLocale(locale)};
        testing::SharingRun s(0, "C.UTF-8");
        const QString document = preview::ResultDocument(s.g.t.automation, s.preview->mWordFile)
                                     .layout()
                                     .pageTexts()
                                     .join(QLatin1Char('\n'));
        for (const QString& heading : headings)
            QVERIFY2(document.contains(heading), qPrintable(heading + " in " + document));
        for (const char* english : {"AGENDA", "Meeting called by", "Attendees:", "Please read:"})
            QVERIFY(!document.contains(QLatin1String(english)));
        for (const char* own : {"Lobster Eating Group Meeting", "August 2013", "Protective Gear",
                                "Lobsters Cannibalism", "Bring extra butter"})
            QVERIFY(document.contains(QString::fromUtf8(own)));
        QCOMPARE(s.preview->ListView1->topLevelItem(0)->text(0),
                 locale == "de_DE" ? QStringLiteral("Seite 1") : QStringLiteral("Page 1"));
    }

    void englishAndCStayAsTheyAre_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << "C";
        QTest::newRow("US English") << "en_US";
        QTest::newRow("British English") << "en_GB";
    }
    void englishAndCStayAsTheyAre() {
        QFETCH(QString, locale);
        const app::Translations translations{QLocale(locale)};
        QVERIFY(!translations.translatesProgram());
        testing::GenerationRun g;
        QCOMPARE(texts(g.form()), kEnglish);
    }

    void qtsOwnDialogsAreTranslated() {
        for (const auto& [locale, saveAs] :
             {std::pair{"de_DE", "Speichern unter"}, std::pair{"fr_FR", "Enregistrer sous"}}) {
            const app::Translations translations{QLocale(QLatin1String(locale))};
            QVERIFY(translations.translatesQt());
            QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"),
                     QString::fromUtf8(saveAs));
        }
    }

    // An error box: the failure's own words, "in" and "at line", the request
    // and the caption in the language; the place in the program as it is.
    void errorBoxesSpeakTheLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("German") << "de_DE"
                                << "ActiveX-Komponente kann kein Objekt erstellen\r\nin "
                                   "Parvelin2021/08/31.Form1.Form_Load in Zeile 104\r\rBitte "
                                   "senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an "
                                << "Anwendungsfehler";
        QTest::newRow("French") << "fr_FR"
                                << "Un composant ActiveX ne peut pas cr\u00e9er d\u2019objet\r\n"
                                   "dans Parvelin2021/08/31.Form1.Form_Load \u00e0 la ligne "
                                   "104\r\r"
                                << "Erreur de l\u2019application";
        QTest::newRow("English") << "en_US"
                                 << "ActiveX component can't create object\r\nin "
                                    "Parvelin2021/08/31.Form1.Form_Load at line 104\r\rPlease "
                                    "email screenshot of this message to support@"
                                 << "Application Error";
    }
    void errorBoxesSpeakTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        const app::Translations translations{QLocale(locale)};
        testing::ScriptedMessages messages;
        app::ErrorTrap trap(messages, QStringLiteral("Form1"), QStringLiteral("Form_Load"));
        platform::AutomationRegistry registry;
        trap.step(104, [&] { registry.createObject(QStringLiteral("No.Such.Class")); });
        QCOMPARE(messages.boxes.size(), 1);
        QVERIFY2(messages.boxes[0].text.startsWith(text), qPrintable(messages.boxes[0].text));
        QCOMPARE(messages.boxes[0].caption, caption);
    }

    // A description made of a sentence and its reason speaks one language.
    void aFailuresReasonIsTranslatedWithIt() {
        const app::Translations translations{QLocale(QStringLiteral("de_DE"))};
        const QString folder = QDir::tempPath();
        try {
            word::io::readFileLimited(folder, 1024);
            QFAIL("a folder was read as a document");
        } catch (const platform::RuntimeError& e) {
            QCOMPARE(e.description(), QStringLiteral("Das Dokument \u201e%1\u201c konnte nicht "
                                                     "ge\u00f6ffnet werden: es ist ein Ordner.")
                                          .arg(folder));
        }
    }

    void todayHasFourDigitsOfYearInEveryLocale() {
        const QDate day(2026, 12, 9);
        QCOMPARE(entry::shortDateWithFullYear(QLocale(QStringLiteral("de_DE")), day),
                 QStringLiteral("09.12.2026"));
        QCOMPARE(entry::shortDateWithFullYear(QLocale(QStringLiteral("en_US")), day),
                 QStringLiteral("12/9/2026"));
        QCOMPARE(entry::shortDateWithFullYear(QLocale(QStringLiteral("fr_FR")), day),
                 QStringLiteral("09/12/2026"));
        for (const QLocale& locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            const QString text = entry::shortDateWithFullYear(locale, day);
            const QString year = locale.toString(2026).remove(locale.groupSeparator());
            QVERIFY2(text.contains(year), qPrintable(locale.name() + ": " + text));
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"

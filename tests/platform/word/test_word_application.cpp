#include "EngineFixture.h"

#include "platform/automation/AutomationRegistry.h"

#include <QtTest>

class WordApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void registryCreatesAndFindsRunningInstances() {
        testing::FakeClipboard clipboard;
        platform::AutomationRegistry registry;
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError,
                                 registry.createObject(QStringLiteral("Word.Application")));
        word::registerEngine(registry, clipboard);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError,
                                 registry.getObject(QStringLiteral("Word.Application")));
        auto app = registry.create<word::Application>(QStringLiteral("Word.Application"));
        QCOMPARE(app->defaultProperty().toString(), QStringLiteral("Microsoft Word"));
        auto running = registry.attach<word::Application>(QStringLiteral("word.application"));
        QCOMPARE(running.shared(), app.shared());
        app->Quit();
        QVERIFY(!app->isRunning());
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError,
                                 registry.getObject(QStringLiteral("Word.Application")));
    }

    void aQuitApplicationAndAClosedDocumentFail() {
        EngineFixture e;
        auto second = e.app->Documents().Add();
        QCOMPARE(e.app->ActiveDocument(), second);
        second->Close();
        QCOMPARE(e.app->ActiveDocument(), e.doc);
        QCOMPARE(e.app->Documents().Count(), 1);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, second->Range());
        e.app->setDisplayAlerts(false);
        e.app->Quit();
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, e.app->Documents());
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, e.sel().TypeText(QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, e.app->Quit());
    }

    void noDocumentMeansNoSelection() {
        testing::FakeClipboard clipboard;
        auto app = word::Application::create(clipboard);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, app->Selection());
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, app->ActiveDocument());
    }

    void pageCountAndUnknownProperties() {
        EngineFixture e;
        QCOMPARE(e.doc->BuiltInDocumentProperties(wd::PropertyPages).toInt(), 1);
        e.typeLines(80);
        QCOMPARE(e.doc->BuiltInDocumentProperties(wd::PropertyPages).toInt(), 3);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError,
                                 e.doc->BuiltInDocumentProperties(wd::PropertyTitle));
    }

    void aDocumentFromElsewhereIsMadeEditable() {
        testing::FakeClipboard clipboard;
        auto app = word::Application::create(clipboard);
        word::DocumentModel model;
        word::Table table;
        table.gridColumns = {2000};
        table.rows.push_back(word::Row{true, {word::Cell{2000, {}, {}, {}}}});
        model.body = {table};
        word::Document doc(app.get(), model, QStringLiteral("read"));
        QCOMPARE(doc.model().body.size(), std::size_t(2));
        QCOMPARE(std::get<word::Table>(doc.model().body[0]).rows[0].cells[0].paragraphs.size(),
                 std::size_t(1));
        word::Selection& sel = doc.ActiveWindow().Selection();
        sel.HomeKey(wd::Story);
        sel.TypeText(QStringLiteral("cell"));
        sel.MoveDown(wd::Line, 1);
        sel.TypeText(QStringLiteral("after"));
        QCOMPARE(doc.model().plainText(), QStringLiteral("cell\a\aafter\r"));
        QCOMPARE(doc.layout().pageCount(), 1);
    }

    // The test runs with LOCPATH naming the locales the build compiled.
    void theLocaleNamesThePaper() {
        QCOMPARE(word::paperForLocale(QStringLiteral("en_US.UTF-8")), word::Paper::letter());
        QCOMPARE(word::paperForLocale(QStringLiteral("en_CA.UTF-8")), word::Paper::letter());
        QCOMPARE(word::paperForLocale(QStringLiteral("de_DE.UTF-8")), word::Paper::a4());
        QCOMPARE(word::paperForLocale(QStringLiteral("C")), word::Paper::a4());
        QCOMPARE(word::paperForLocale(QStringLiteral("xx_NOWHERE.UTF-8")), word::Paper::a4());
    }

    void aNewDocumentTakesThePaperOfTheUsersLocaleAndKeepsIt() {
        const QByteArray before = qgetenv("LC_PAPER");
        for (const auto& [locale, paper] : {std::pair{"en_US.UTF-8", word::Paper::letter()},
                                            {"de_DE.UTF-8", word::Paper::a4()}}) {
            qputenv("LC_PAPER", locale);
            EngineFixture e;
            const word::Section& section = e.model().section;
            QCOMPARE(QSize(section.pageWidth, section.pageHeight),
                     QSize(paper.width, paper.height));
            QCOMPARE(section.marginLeft, 1440);
            QCOMPARE(section.marginTop, 1440);
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("paper.doc"));
            e.sel().TypeText(QStringLiteral("x"));
            e.doc->SaveAs(path);
            auto reopened = e.app->Documents().Open(path);
            QCOMPARE(reopened->model().section.pageWidth, paper.width);
            QCOMPARE(reopened->model().section.pageHeight, paper.height);
        }
        qputenv("LC_PAPER", before);
    }

    void anEmptyReferenceFailsLikeAnUnsetVariable() {
        platform::Ref<word::Application> app;
        try {
            app->Documents();
            QFAIL("no failure");
        } catch (const platform::RuntimeError& error) {
            QCOMPARE(error.description(),
                     QStringLiteral("Object variable or With block variable not set"));
        }
    }
};

QTEST_MAIN(WordApplicationTest)
#include "test_word_application.moc"

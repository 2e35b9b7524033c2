#pragma once

#include "FakeClipboard.h"
#include "Form1Fixture.h"

#include "platform/word/automation/Application.h"
#include "platform/word/automation/Document.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>
#include <QtTest>

namespace testing {

// The entry window on test doubles with the real document engine, and a
// temporary folder of its own (TEMP).
struct GenerationRun {
    TestServices t;
    QTemporaryDir temp;
    std::unique_ptr<Form1Run> run;

    // With `skin`, the program folder holds the skin the program ships.
    explicit GenerationRun(bool skin = false) {
        qputenv("TEMP", QFile::encodeName(temp.path()));
        if (skin) {
            QDir(t.programFolder).mkpath(QStringLiteral("x"));
            QFile::copy(QFINDTESTDATA("../../resources/x/o.cjs"), t.programFolder + "/x/o.cjs");
        }
        run = std::make_unique<Form1Run>(t);
    }
    ~GenerationRun() { qunsetenv("TEMP"); }

    Form1& form() { return *run->form; }
    QStringList agendaFiles() const {
        return QDir(temp.path()).entryList({"ovelund*"}, QDir::Files | QDir::System);
    }
};

// The text of a saved document, as the engine reads it back.
inline QString documentText(const QString& path) {
    FakeClipboard clipboard;
    auto app = word::Application::create(clipboard);
    auto doc = app->Documents().Open(path);
    const QString text = doc->model().plainText();
    app->Quit();
    return text;
}

} // namespace testing

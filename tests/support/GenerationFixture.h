#pragma once

#include "Form1Fixture.h"


#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

namespace testing {

// The entry window on test doubles with the real document engine, and a
// temporary folder of its own (TEMP).
struct GenerationRun {
    TestServices t;
    QTemporaryDir temp;
    std::unique_ptr<Form1Run> run;

    GenerationRun() {
        qputenv("TEMP", QFile::encodeName(temp.path()));
        run = std::make_unique<Form1Run>(t);
    }
    ~GenerationRun() { qunsetenv("TEMP"); }

    Form1& form() { return *run->form; }
    QStringList agendaFiles() const {
        return QDir(temp.path()).entryList({"ovelund*"}, QDir::Files | QDir::System);
    }
};

} // namespace testing

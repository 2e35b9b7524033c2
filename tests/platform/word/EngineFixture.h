#pragma once

#include "platform/word/automation/Application.h"
#include "platform/word/automation/Constants.h"
#include "platform/word/automation/Document.h"
#include "support/FakeClipboard.h"

#include <QString>

namespace wd = word::wd;

// A running engine with one new document.
struct EngineFixture {
    testing::FakeClipboard clipboard;
    std::shared_ptr<word::Application> app = word::Application::create(clipboard);
    std::shared_ptr<word::Document> doc = app->Documents().Add();
    word::Selection& sel() { return doc->ActiveWindow().Selection(); }
    const word::DocumentModel& model() const { return doc->model(); }

    const word::Paragraph& paragraph(int block) const {
        return std::get<word::Paragraph>(model().body.at(static_cast<std::size_t>(block)));
    }
    const word::Table& table(int block) const {
        return std::get<word::Table>(model().body.at(static_cast<std::size_t>(block)));
    }
    int blocks() const { return static_cast<int>(model().body.size()); }
    // Types `lines` paragraphs of text, each `words` words long.
    void typeLines(int lines, int words = 1) {
        for (int i = 0; i < lines; ++i) {
            QStringList text;
            for (int w = 0; w < words; ++w)
                text << QStringLiteral("line%1word%2").arg(i).arg(w);
            sel().TypeText(text.join(QLatin1Char(' ')));
            sel().TypeParagraph();
        }
    }
};

#pragma once

#include "generation/AgendaTyping.h"
#include "platform/word/model/Document.h"

#include <QJsonArray>

#include <functional>
#include <memory>
#include <vector>

namespace word {
class Application;
class Document;
} // namespace word

namespace agenda {

// A document made directly as a model, with notes on what it probes.
struct BuiltDocument {
    word::DocumentModel model;
    QJsonArray notes;
};

// A named document of the comparison set: an agenda typed by the builder
// from `meeting`, or, when `document` is set, the document it makes.
struct Case {
    QString name;
    MeetingAgenda::MeetingData meeting;
    std::function<BuiltDocument()> document = {};
};

// The documents every file format check runs over: the sample; 1, 12, 40
// and 200 items; long lists; long details; empty fields; non-Latin text.
std::vector<Case> comparisonCases();

// Agendas for LibreOffice's finer rules: nearly full lines, runs of empty
// paragraphs across a page break, characters the fonts lack.
std::vector<Case> fidelityCases();

// Lines that end within a third of a twip of their width, in several
// faces, weights, sizes and widths, on the page and in table cells.
std::vector<Case> lineProbeCases();

// Runs of empty paragraphs across a page break, characters the fonts lack
// and tabs whose stop is the line's right edge, in other faces, sizes and
// line spacings than the agenda's.
std::vector<Case> pageBreakProbeCases();
std::vector<Case> fallbackProbeCases();

// Items taller than a page, first and in the middle, one, two and five
// pages tall; long tables of rows of varied heights; words longer than
// their column.
std::vector<Case> tallAndLongCases();

// A run's formatting, and a paragraph of one run (none for empty text)
// spaced `after` twips below and at `line` 240ths of a line; its mark
// formatted as the run.
word::RunProperties runIn(const QString& font, int halfPoints, bool bold);
word::Paragraph paragraphIn(const QString& text, const word::RunProperties& run, int after,
                            int line);

// The agenda typed into a new document of `app` by the builder's own
// statements; any failing statement throws.
std::shared_ptr<word::Document> buildAgenda(const std::shared_ptr<word::Application>& app,
                                            const MeetingAgenda::MeetingSource& meeting);

} // namespace agenda

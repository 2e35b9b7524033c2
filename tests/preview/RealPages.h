#pragma once

#include "entry/SampleMeeting.h"
#include "generation/AgendaTyping.h"
#include "platform/word/automation/Application.h"
#include "platform/word/automation/Document.h"
#include "platform/word/paint/PageRenderer.h"
#include "support/TypedAgenda.h"

#include <QImage>
#include <QList>

namespace testing {

// The pages of an agenda of the sample meeting with `items` agenda items,
// on the paper of `locale`.
inline QList<platform::Picture> agendaPages(int items, const char* locale) {
    const QByteArray before = qgetenv("LC_PAPER");
    qputenv("LC_PAPER", locale);
    const TypedAgenda agenda(sampleWithItems(items));
    word::Document& doc = *agenda.doc;
    qputenv("LC_PAPER", before);
    QList<platform::Picture> pages;
    for (int i = 0; i < doc.layout().pageCount(); ++i)
        pages << word::recordPage(doc.layout(), i);
    return pages;
}

// The mean length of the grey runs between paper and ink along the rows of
// a drawing, counting only runs with paper on one side and ink on the
// other: the blur of its edges, in pixels. A picture stretched from a
// coarser one has proportionally longer runs.
inline double edgeBlur(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const auto paper = [](uchar v) { return v >= 230; };
    const auto ink = [](uchar v) { return v <= 60; };
    long runs = 0, greys = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        int start = -1; // first grey pixel after paper or ink
        for (int x = 1; x < grey.width(); ++x) {
            const bool solid = paper(row[x]) || ink(row[x]);
            if (!solid && (paper(row[x - 1]) || ink(row[x - 1]))) {
                start = x;
            } else if (solid && start >= 0) {
                if (paper(row[start - 1]) != paper(row[x])) {
                    ++runs;
                    greys += x - start;
                }
                start = -1;
            }
        }
    }
    return runs ? double(greys) / runs : 0;
}

} // namespace testing

#pragma once

#include "../layout/Layout.h"

#include <QList>
#include <QString>

class QIODevice;
class QPagedPaintDevice;
class QPageSize;

namespace word {

// The sheet of paper a document's section names.
QPageSize pageSizeOf(const Section& section);

// The given pages (counted from 0, in the order given, repeats allowed) of
// a laid-out document, one sheet each, at physical scale at the device's
// own resolution, drawn from the paper's top-left corner: the device must
// have no margins of its own (a PDF writer with none, a printer on its full
// page). One painting session: one file, one print job. False when the
// device cannot be painted on.
bool paintPages(Layout& layout, QPagedPaintDevice& device, const QList<int>& pages);

// The whole document as a PDF: every page on the document's paper, text as
// text with its fonts embedded, `title` as the document's title. False
// when the PDF could not be made.
bool writePdf(Layout& layout, QIODevice& out, const QString& title);

} // namespace word

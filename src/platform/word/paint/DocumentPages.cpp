#include "DocumentPages.h"

#include "PageRenderer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace word {

namespace {

constexpr double kTwipsPerInch = 1440.0;
// Fine enough that glyph positions keep a fraction of a twip.
constexpr int kPdfResolution = 1440;

// A page's picture placed on its sheet at the text area's corner.
void paintSheet(QPainter& painter, const Page& page, const Section& section, double scale) {
    const platform::Picture picture = recordPage(page, section);
    const QSizeF size = QSizeF(picture.twipsSize()) * scale;
    picture.drawContent(painter,
                        QRectF(QPointF(section.marginLeft, section.marginTop) * scale, size));
}

} // namespace

QPageSize pageSizeOf(const Section& section) {
    return QPageSize(QSizeF(section.pageWidth / kTwipsPerInch, section.pageHeight / kTwipsPerInch),
                     QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
}

bool paintPages(Layout& layout, QPagedPaintDevice& device, const QList<int>& pages) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scale = device.logicalDpiX() / kTwipsPerInch;
    const Section& section = layout.document().section;
    bool first = true;
    for (const int index : pages) {
        if (!layout.hasPage(index))
            continue;
        if (!first)
            device.newPage();
        first = false;
        paintSheet(painter, layout.page(index), section, scale);
    }
    return painter.end();
}

bool writePdf(Layout& layout, QIODevice& out, const QString& title) {
    QPdfWriter writer(&out);
    writer.setResolution(kPdfResolution);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Quillary"));
    writer.setPageLayout(QPageLayout(pageSizeOf(layout.document().section), QPageLayout::Portrait,
                                     QMarginsF(), QPageLayout::Point));
    QList<int> pages;
    for (int index = 0; index < layout.pageCount(); ++index)
        pages << index;
    return paintPages(layout, writer, pages);
}

} // namespace word

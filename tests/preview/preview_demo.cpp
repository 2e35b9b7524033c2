// Shows the preview window with three sample pages, as the generation would
// leave it, to look at and drive by hand (or with xdotool under Xvfb).
// Pages 1 and 2 are the text area of a Letter page at screen resolution;
// page 3 is a small picture that can be zoomed in.

#include "support/TestServices.h"

#include "platform/picture/Picture.h"
#include "preview/Form2.h"

#include <QApplication>
#include <QFile>
#include <QPainter>

namespace {

QImage samplePage(QSize twips, int number) {
    QImage page = platform::makePicture(twips, 96);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = page.rect();
    painter.setPen(QPen(Qt::darkBlue, 2));
    painter.drawRect(area.adjusted(1, 1, -2, -2));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomLeft());
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(28);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 20, area.width(), 40), Qt::AlignHCenter,
                     QStringLiteral("Sample page %1").arg(number));
    QFont body(QStringLiteral("Arial"));
    body.setPixelSize(14);
    painter.setFont(body);
    for (int y = 90, line = 1; y < area.height() - 30; y += 24, ++line)
        painter.drawText(20, y,
                         QStringLiteral("%1  Line %2 of the agenda, %3 x %4 twips")
                             .arg(line, 2)
                             .arg(line)
                             .arg(twips.width())
                             .arg(twips.height()));
    painter.fillRect(QRect(area.width() - 60, area.height() - 60, 50, 50), Qt::red);
    return page;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::TestServices services;
    // The hand pointer the program ships, beside the "program".
    QFile::copy(QStringLiteral(QUILLARY_RESOURCES "/HAND-M.CUR"),
                services.programFolder + QStringLiteral("/HAND-M.CUR"));
    Form2 form(services.services());
    const QList<QImage> pages{samplePage({9360, 12960}, 1), samplePage({9360, 12960}, 2),
                              samplePage({3000, 4000}, 3)};
    form.clearPageList();
    for (int n = 1; n <= pages.size(); ++n) {
        form.addPageItem(QStringLiteral("Page %1").arg(n));
        if (!form.hasImageSlot(n - 1))
            form.createImageSlot(n - 1);
        form.setSlotPicture(n - 1, pages[n - 1]);
    }
    form.setCanvasPicture(form.slotPicture(0));
    form.show();
    return app.exec();
}

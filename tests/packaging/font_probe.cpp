// Prints the face the document engine lays out a family with:
// "family|style" for each "family[:bold]" argument, one a line.
#include "platform/word/layout/FontCache.h"

#include <QFontInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    word::FontCache fonts;
    for (QString request : application.arguments().mid(1)) {
        const bool bold = request.endsWith(QLatin1String(":bold"));
        request.chop(bold ? 5 : 0);
        const QFontInfo info(fonts.font(request, 28, bold));
        std::printf("%s|%s\n", qPrintable(info.family()), qPrintable(info.styleName()));
    }
    return 0;
}

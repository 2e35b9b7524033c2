#pragma once

#include <QString>
#include <QStringList>

namespace testing {

// A PDF as poppler's command-line tools read it (pdfinfo, pdftotext,
// pdffonts): what a person's PDF viewer would find in it.
struct PdfFile {
    explicit PdfFile(QString path);

    bool valid = false;
    int pages = 0;
    QString title;
    QString pageSize; // as pdfinfo gives it, e.g. "612 x 792 pts (letter)"
    struct Font {
        QString name;
        bool embedded = false;
    };
    QList<Font> fonts;

    // The words of page `page` (from 1), in reading order.
    QStringList words(int page) const;

private:
    QString m_path;
};

// The words of a text, whitespace of any kind between them.
QStringList wordsOf(const QString& text);

} // namespace testing

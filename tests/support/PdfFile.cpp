#include "PdfFile.h"

#include <QProcess>
#include <QRegularExpression>

namespace testing {

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString field(const QString& info, const QString& name) {
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(name),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

} // namespace

PdfFile::PdfFile(QString path) : m_path(std::move(path)) {
    const QString info = run(QStringLiteral("pdfinfo"), {m_path});
    valid = !info.isEmpty();
    pages = field(info, QStringLiteral("Pages")).toInt();
    title = field(info, QStringLiteral("Title"));
    pageSize = field(info, QStringLiteral("Page size"));
    // name, type, encoding, emb, sub, uni, object ID: "emb" stands five
    // cells from the end, whatever the type's words.
    const QStringList lines = run(QStringLiteral("pdffonts"), {m_path}).split(QLatin1Char('\n'));
    for (const QString& line : lines.mid(2)) {
        const QStringList cells = line.simplified().split(QLatin1Char(' '));
        if (cells.size() < 7)
            continue;
        const qsizetype n = cells.size();
        fonts << Font{cells[0], cells[n - 5] == QLatin1String("yes")};
    }
}

QStringList PdfFile::words(int page) const {
    return wordsOf(run(QStringLiteral("pdftotext"),
                       {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                        QString::number(page), m_path, QStringLiteral("-")}));
}

QStringList wordsOf(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

} // namespace testing

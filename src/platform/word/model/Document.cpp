#include "Document.h"

#include <QStringList>

namespace word {

QString DocumentModel::plainText() const {
    QString text;
    for (const BodyElement& element : body) {
        if (const auto* paragraph = std::get_if<Paragraph>(&element)) {
            text += paragraph->text() + QLatin1Char('\r');
            continue;
        }
        for (const Row& row : std::get<Table>(element).rows) {
            for (const Cell& cell : row.cells) {
                QStringList parts;
                for (const Paragraph& p : cell.paragraphs)
                    parts << p.text();
                text += parts.join(QLatin1Char('\r')) + QLatin1Char('\a');
            }
            text += QLatin1Char('\a');
        }
    }
    return text;
}

void DocumentModel::makeEditable() {
    if (body.empty() || !std::holds_alternative<Paragraph>(body.back()))
        body.emplace_back(Paragraph{});
    for (BodyElement& element : body) {
        auto* table = std::get_if<Table>(&element);
        if (!table)
            continue;
        for (Row& row : table->rows)
            for (Cell& cell : row.cells)
                if (cell.paragraphs.empty())
                    cell.paragraphs.emplace_back();
    }
}

} // namespace word

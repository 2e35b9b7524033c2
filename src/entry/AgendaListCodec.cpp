#include "AgendaListCodec.h"

namespace entry {

namespace {

const QChar kMark(0xFDD0);
const QChar kField('|');
const QChar kItem('^');

bool needsEscaping(const QString& field) {
    return field.contains(kField) || field.contains(kItem) || field.contains(kMark);
}

bool needsEscaping(const AgendaItem& item) {
    return needsEscaping(item.time) || needsEscaping(item.topic) || needsEscaping(item.details) ||
           needsEscaping(item.room);
}

QString escaped(const QString& field) {
    QString out;
    out.reserve(field.size());
    for (const QChar c : field) {
        if (c == kField)
            out += kMark + QLatin1Char('p');
        else if (c == kItem)
            out += kMark + QLatin1Char('c');
        else if (c == kMark)
            out += kMark + QLatin1Char('e');
        else
            out += c;
    }
    return out;
}

QString unescaped(const QString& field) {
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != kMark || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const QChar code = field[++i];
        out += code == QLatin1Char('p')   ? kField
               : code == QLatin1Char('c') ? kItem
               : code == QLatin1Char('e') ? kMark
                                          : code;
    }
    return out;
}

QStringList piecesOf(const QString& entry) {
    // An empty entry has no pieces at all.
    return entry.isEmpty() ? QStringList() : entry.split(kField);
}

} // namespace

QString EncodeAgendaList(const QList<AgendaItem>& items) {
    const bool escape = std::any_of(items.begin(), items.end(),
                                    [](const AgendaItem& i) { return needsEscaping(i); });
    const auto field = [escape](const QString& f) { return escape ? escaped(f) : f; };
    QString out = escape ? QString(kMark) : QString();
    for (const AgendaItem& item : items) {
        out += field(item.time) + kField + field(item.topic) + kField + field(item.details) +
               kField + field(item.room) + kItem;
    }
    if (!items.isEmpty())
        out.chop(1);
    return out;
}

QList<QStringList> SplitAgendaList(const QString& stored) {
    QList<QStringList> entries;
    if (stored.isEmpty())
        return entries;
    const bool escapedForm = stored.startsWith(kMark);
    const QString body = escapedForm ? stored.mid(1) : stored;
    for (const QString& entry : body.split(kItem)) {
        QStringList pieces = piecesOf(entry);
        if (escapedForm) {
            for (QString& piece : pieces)
                piece = unescaped(piece);
        }
        entries << pieces;
    }
    return entries;
}

} // namespace entry

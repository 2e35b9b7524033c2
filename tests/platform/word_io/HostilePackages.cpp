#include "HostilePackages.h"

#include "platform/word/io/DocumentPackage.h"
#include "platform/word/io/ZipReader.h"
#include "platform/word/io/ZipWriter.h"

#include <QtEndian>

namespace hostile {

QByteArray validPackage() {
    word::DocumentModel doc;
    doc.body = {word::Paragraph{{}, {word::Run{{}, QStringLiteral("text")}}}};
    return word::io::packDocument(doc, {}, QDateTime::fromSecsSinceEpoch(0));
}

Entries validEntries() {
    const word::io::ZipReader zip(validPackage());
    Entries entries;
    for (const QString& name : zip.entryNames())
        entries.emplace_back(name, zip.read(name));
    return entries;
}

QByteArray pack(const Entries& entries) {
    word::io::ZipWriter zip;
    for (const auto& [name, content] : entries)
        zip.add(name, content);
    return zip.finish();
}

QByteArray withPart(const QString& name, const QByteArray& content) {
    Entries entries = validEntries();
    bool replaced = false;
    for (auto& entry : entries) {
        if (entry.first == name) {
            entry.second = content;
            replaced = true;
        }
    }
    if (!replaced)
        entries.emplace_back(name, content);
    return pack(entries);
}

QByteArray documentWithBody(const QByteArray& bodyXml) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document "
           "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" +
           bodyXml + "</w:body></w:document>";
}

QByteArray withRenamedEntry(QByteArray archive, const QByteArray& from, const QByteArray& to) {
    Q_ASSERT(from.size() == to.size());
    return archive.replace(from, to);
}

QByteArray withDeclaredSize(QByteArray archive, const QString& name, quint32 size) {
    const QByteArray encoded = name.toUtf8();
    const std::pair<QByteArray, int> headers[] = {
        {QByteArray("PK\x03\x04", 4), 22}, // local header: size at 22, name at 30
        {QByteArray("PK\x01\x02", 4), 24}, // central header: size at 24, name at 46
    };
    for (const auto& [signature, sizeOffset] : headers) {
        const int nameOffset = sizeOffset == 22 ? 30 : 46;
        for (qsizetype at = archive.indexOf(signature); at >= 0;
             at = archive.indexOf(signature, at + 4)) {
            if (archive.mid(at + nameOffset, encoded.size()) == encoded)
                qToLittleEndian<quint32>(size, archive.data() + at + sizeOffset);
        }
    }
    return archive;
}

} // namespace hostile

#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

// Packages built to break the reader: entries of any name and content, and
// archives whose headers lie.
namespace hostile {

using Entries = std::vector<std::pair<QString, QByteArray>>;

// A package as the engine saves it, holding one paragraph.
QByteArray validPackage();
Entries validEntries();
QByteArray pack(const Entries& entries);
// The valid package with one part's content replaced (or added).
QByteArray withPart(const QString& name, const QByteArray& content);
// A word/document.xml whose body holds the given XML.
QByteArray documentWithBody(const QByteArray& bodyXml);
// The archive with an entry's name replaced by another of the same length,
// in its headers only: names no zip writer would store.
QByteArray withRenamedEntry(QByteArray archive, const QByteArray& from, const QByteArray& to);
// The archive with the uncompressed size of one entry rewritten in both its
// local and its central header.
QByteArray withDeclaredSize(QByteArray archive, const QString& name, quint32 size);

} // namespace hostile

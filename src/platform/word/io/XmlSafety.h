#pragma once

#include "Namespaces.h"

#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

namespace word::io {

// The text without the characters XML 1.0 cannot carry: control characters
// other than tab, CR and LF, lone surrogates, U+FFFE and U+FFFF.
QString xmlSafeText(QStringView text);
bool isXmlSafe(QStringView text);

// A pull parser over one package part that refuses what a document part has
// no use for and an attacker has: document type declarations (and with them
// every entity declaration), entity references, processing of endless or
// deeply nested input. Every refusal throws platform::RuntimeError.
class SafeXmlReader {
public:
    SafeXmlReader(const QByteArray& xml, QString partName);

    // The next start or end element, or NoToken at the end of the document;
    // characters are collected for text() in between.
    QXmlStreamReader::TokenType next();
    // Moves past the end of the current element, whatever it holds.
    void skipElement();
    // Moves to the next child element of the element open at parentDepth and
    // returns true, or past that element's end and returns false. The caller
    // reads or skips each child it is given.
    bool nextChild(int parentDepth);
    // Moves to the root element and checks that it is the named one of the
    // main namespace.
    void enterRoot(QStringView localName, QStringView ns = wordNamespace);
    // Whether the current element is the named one of the main namespace.
    bool is(QStringView localName, QStringView ns = wordNamespace) const;

    QStringView name() const { return m_reader.name(); }
    QStringView namespaceUri() const { return m_reader.namespaceUri(); }
    QStringView text() const { return m_text; }
    // The attribute's value in the given namespace, or a null string.
    QString attribute(QStringView ns, QStringView name) const;
    int depth() const { return m_depth; }
    [[noreturn]] void fail(const QString& why) const;

private:
    QXmlStreamReader m_reader;
    QString m_partName;
    QString m_text;
    int m_depth = 0;
    qint64 m_tokens = 0;
};

} // namespace word::io

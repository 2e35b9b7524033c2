#include "XmlSafety.h"

#include "platform/errors/RuntimeError.h"
#include <QCoreApplication>

namespace word::io {

namespace {

constexpr int maxDepth = 64;
constexpr qint64 maxTokens = 20'000'000;

bool allowedBmp(char16_t c) {
    if (c < 0x20)
        return c == u'\t' || c == u'\n' || c == u'\r';
    return c != 0xFFFE && c != 0xFFFF;
}

} // namespace

bool isXmlSafe(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate() || !allowedBmp(c.unicode()))
            return false;
    }
    return true;
}

QString xmlSafeText(QStringView text) {
    if (isXmlSafe(text))
        return text.toString();
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            safe.append(c);
            safe.append(text[++i]);
        } else if (!c.isSurrogate() && allowedBmp(c.unicode())) {
            safe.append(c);
        }
    }
    return safe;
}

SafeXmlReader::SafeXmlReader(const QByteArray& xml, QString partName)
    : m_reader(xml), m_partName(std::move(partName)) {
    m_reader.setNamespaceProcessing(true);
}

void SafeXmlReader::fail(const QString& why) const {
    throw platform::RuntimeError(
        QCoreApplication::translate("RuntimeError",
                                    "The file is not a readable document: its part \"%1\" %2.")
            .arg(m_partName, why));
}

QXmlStreamReader::TokenType SafeXmlReader::next() {
    for (;;) {
        if (++m_tokens > maxTokens)
            fail(QCoreApplication::translate("RuntimeError", "is too long"));
        switch (m_reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++m_depth > maxDepth)
                fail(QCoreApplication::translate("RuntimeError", "is nested too deeply"));
            m_text.clear();
            return QXmlStreamReader::StartElement;
        case QXmlStreamReader::EndElement:
            --m_depth;
            return QXmlStreamReader::EndElement;
        case QXmlStreamReader::Characters:
            m_text.append(m_reader.text());
            break;
        case QXmlStreamReader::DTD:
            fail(QCoreApplication::translate("RuntimeError",
                                             "declares a document type, which documents never do"));
        case QXmlStreamReader::EntityReference:
            fail(QCoreApplication::translate("RuntimeError",
                                             "refers to an entity, which documents never do"));
        case QXmlStreamReader::Invalid:
            fail(QCoreApplication::translate("RuntimeError",
                                             "is not well-formed XML (%1 at line %2)")
                     .arg(m_reader.errorString())
                     .arg(m_reader.lineNumber()));
        case QXmlStreamReader::EndDocument:
            return QXmlStreamReader::NoToken;
        default:
            break;
        }
    }
}

void SafeXmlReader::skipElement() {
    const int level = m_depth;
    while (m_depth >= level) {
        if (next() == QXmlStreamReader::NoToken)
            fail(QCoreApplication::translate("RuntimeError", "ends too early"));
    }
}

bool SafeXmlReader::nextChild(int parentDepth) {
    for (;;) {
        const auto token = next();
        if (token == QXmlStreamReader::NoToken)
            fail(QCoreApplication::translate("RuntimeError", "ends too early"));
        if (m_depth < parentDepth)
            return false;
        if (token == QXmlStreamReader::StartElement)
            return true;
    }
}

void SafeXmlReader::enterRoot(QStringView localName, QStringView ns) {
    if (next() != QXmlStreamReader::StartElement || !is(localName, ns))
        fail(QCoreApplication::translate("RuntimeError",
                                         "does not start with the expected element"));
}

bool SafeXmlReader::is(QStringView localName, QStringView ns) const {
    return m_reader.name() == localName && m_reader.namespaceUri() == ns;
}

QString SafeXmlReader::attribute(QStringView ns, QStringView name) const {
    const auto attributes = m_reader.attributes();
    for (const auto& attribute : attributes) {
        if (attribute.name() == name && attribute.namespaceUri() == ns)
            return attribute.value().toString();
    }
    return {};
}

} // namespace word::io

#include "XmlPartWriter.h"

#include "XmlSafety.h"

namespace word::io {

XmlPartWriter::XmlPartWriter() : m_xml(&m_bytes) {
    m_bytes.reserve(4096);
    m_xml.writeStartDocument(QStringLiteral("1.0"), true);
}

void XmlPartWriter::startWordRoot(const QString& name) {
    m_xml.writeStartElement(name);
    m_xml.writeAttribute(QStringLiteral("xmlns:w"), wordNamespace);
}

void XmlPartWriter::value(const QString& name, const QString& value) {
    m_xml.writeEmptyElement(name);
    m_xml.writeAttribute(QStringLiteral("w:val"), value);
}

void XmlPartWriter::text(const QString& text) {
    m_xml.writeCharacters(xmlSafeText(text));
}

void XmlPartWriter::textElement(const QString& name, const QString& text) {
    m_xml.writeTextElement(name, xmlSafeText(text));
}

QByteArray XmlPartWriter::finish() {
    m_xml.writeEndDocument();
    return m_bytes;
}

} // namespace word::io

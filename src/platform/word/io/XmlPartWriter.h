#pragma once

#include "Namespaces.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>

namespace word::io {

// Writes one package part: a standalone UTF-8 XML document whose elements
// are named with their prefixes as written ("w:p"), the prefixes declared on
// the root element.
class XmlPartWriter {
public:
    XmlPartWriter();

    void start(const QString& name) { m_xml.writeStartElement(name); }
    // The root element of a part in the main namespace, prefix "w".
    void startWordRoot(const QString& name);
    void end() { m_xml.writeEndElement(); }
    void attribute(const QString& name, const QString& value) { m_xml.writeAttribute(name, value); }
    void attribute(const QString& name, int value) { attribute(name, QString::number(value)); }
    void empty(const QString& name) { m_xml.writeEmptyElement(name); }
    // <name w:val="value"/>, the most common element of WordprocessingML.
    void value(const QString& name, const QString& value);
    void value(const QString& name, int value) { this->value(name, QString::number(value)); }
    // Text content; characters XML cannot carry are dropped.
    void text(const QString& text);
    void textElement(const QString& name, const QString& text);

    QByteArray finish();

private:
    QByteArray m_bytes;
    QXmlStreamWriter m_xml;
};

} // namespace word::io

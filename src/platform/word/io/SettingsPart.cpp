#include "SettingsPart.h"

#include "PropertiesXml.h"

#include <algorithm>

namespace word::io {

namespace {

const QString wordCompatUri = QStringLiteral("http://schemas.microsoft.com/office/word");

void writeCompatSetting(XmlPartWriter& xml, const QString& name, int value) {
    xml.empty(QStringLiteral("w:compatSetting"));
    xml.attribute(QStringLiteral("w:name"), name);
    xml.attribute(QStringLiteral("w:uri"), wordCompatUri);
    xml.attribute(QStringLiteral("w:val"), value);
}

void readCompatibilityMode(SafeXmlReader& xml, Settings& settings) {
    while (xml.nextChild(2)) {
        if (xml.is(u"compatSetting") && wordValue(xml, u"name") == u"compatibilityMode")
            settings.compatibilityMode =
                std::clamp(wordNumber(xml).value_or(unstatedCompatibilityMode), 11, 15);
        xml.skipElement();
    }
}

} // namespace

QByteArray writeSettingsPart(const Settings& settings) {
    XmlPartWriter xml;
    xml.startWordRoot(QStringLiteral("w:settings"));
    xml.empty(QStringLiteral("w:zoom"));
    xml.attribute(QStringLiteral("w:percent"), 100);
    xml.value(QStringLiteral("w:defaultTabStop"), settings.defaultTabStop);
    xml.value(QStringLiteral("w:characterSpacingControl"), QStringLiteral("doNotCompress"));
    xml.start(QStringLiteral("w:compat"));
    writeCompatSetting(xml, QStringLiteral("compatibilityMode"), settings.compatibilityMode);
    // What Word 2013 and later write beside the mode.
    writeCompatSetting(xml, QStringLiteral("overrideTableStyleFontSizeAndJustification"), 1);
    writeCompatSetting(xml, QStringLiteral("enableOpenTypeFeatures"), 1);
    writeCompatSetting(xml, QStringLiteral("doNotFlipMirrorIndents"), 1);
    writeCompatSetting(xml, QStringLiteral("differentiateMultirowTableHeaders"), 1);
    xml.end();
    xml.value(QStringLiteral("w:themeFontLang"), QStringLiteral("en-US"));
    xml.value(QStringLiteral("w:decimalSymbol"), QStringLiteral("."));
    xml.value(QStringLiteral("w:listSeparator"), QStringLiteral(","));
    xml.end();
    return xml.finish();
}

Settings readSettingsPart(const QByteArray& bytes) {
    Settings settings;
    settings.compatibilityMode = unstatedCompatibilityMode;
    SafeXmlReader xml(bytes, QStringLiteral("word/settings.xml"));
    xml.enterRoot(u"settings");
    while (xml.nextChild(1)) {
        if (xml.is(u"defaultTabStop")) {
            settings.defaultTabStop = std::clamp(wordNumber(xml).value_or(720), 1, 31680);
        } else if (xml.is(u"compat")) {
            readCompatibilityMode(xml, settings);
            continue;
        }
        xml.skipElement();
    }
    return settings;
}

} // namespace word::io

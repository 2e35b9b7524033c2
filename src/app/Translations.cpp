#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace app {

Translations::Translations(const QLocale& locale)
    : m_program(install(locale, QStringLiteral("quillary"), folder())),
      // Debian's qt6-translations-l10n: "qt_de.qm" pulls in qtbase's texts.
      m_qt(install(locale, QStringLiteral("qt"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {}

Translations::~Translations() {
    for (const auto& translator : {m_program.get(), m_qt.get()}) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
}

QString Translations::folder() {
    return QStringLiteral(":/quillary/i18n");
}

std::unique_ptr<QTranslator> Translations::install(const QLocale& locale, const QString& name,
                                                   const QString& folder) {
    // The locale's languages in order of preference ("de-CH", "de", ...);
    // the first one with a file wins.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

} // namespace app

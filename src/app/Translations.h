#pragma once

#include <QLocale>
#include <QTranslator>

#include <memory>

namespace app {

// The program's texts, and Qt's own (file and print dialogs, standard
// buttons), in the language of `locale`, for as long as this object lives.
// With no translation for the locale (English, C) every text stays the
// English original.
class Translations {
public:
    explicit Translations(const QLocale& locale);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Whether the program's own texts have a translation for the locale.
    bool translatesProgram() const { return m_program != nullptr; }
    bool translatesQt() const { return m_qt != nullptr; }

    // Where the compiled translations of the program's own texts live.
    static QString folder();

private:
    static std::unique_ptr<QTranslator> install(const QLocale& locale, const QString& name,
                                                const QString& folder);

    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
};

} // namespace app

#include "Paper.h"

#include <QtGlobal>

#include <langinfo.h>
#include <locale.h>

#include <cstring>

namespace word {

namespace {

// Letter is 8.5 x 11 inches, which LC_PAPER gives in whole millimetres.
constexpr long kLetterWidthMm = 216;
constexpr long kLetterHeightMm = 279;

long paperValue(locale_t locale, nl_item item) {
    // LC_PAPER's numbers come back as the word that shares its storage with
    // the returned pointer (glibc keeps both in one union).
    const char* value = nl_langinfo_l(item, locale);
    unsigned int word = 0;
    std::memcpy(&word, &value, sizeof word);
    return static_cast<long>(word);
}

} // namespace

Paper paperForLocale(const QString& name) {
    const QByteArray encoded = name.toLocal8Bit();
    locale_t locale = newlocale(LC_PAPER_MASK, encoded.constData(), locale_t(nullptr));
    if (locale == locale_t(nullptr))
        return Paper::a4();
    const bool letter = paperValue(locale, _NL_PAPER_WIDTH) == kLetterWidthMm &&
                        paperValue(locale, _NL_PAPER_HEIGHT) == kLetterHeightMm;
    freelocale(locale);
    return letter ? Paper::letter() : Paper::a4();
}

Paper userPaper() {
    // The locale of paper sizes as POSIX names it: LC_ALL, then LC_PAPER,
    // then LANG; unset or empty means the C locale.
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return paperForLocale(name);
    }
    return paperForLocale(QStringLiteral("C"));
}

} // namespace word

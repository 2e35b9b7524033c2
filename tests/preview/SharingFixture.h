#pragma once

#include "support/GenerationFixture.h"
#include "support/PdfFile.h"

#include "entry/Form1.h"
#include "platform/word/layout/Layout.h"
#include "preview/Form2.h"
#include "preview/ResultDocument.h"

#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>

namespace testing {

// A generated agenda on show in the preview, on the paper of `locale`.
struct SharingRun {
    GenerationRun g;
    Form2* preview = nullptr;

    explicit SharingRun(int extraItems = 0, const char* locale = "en_US.UTF-8", bool skin = false)
        : g(skin) {
        const QByteArray before = qgetenv("LC_PAPER");
        qputenv("LC_PAPER", locale);
        Form1& f = g.form();
        f.PushButton5_Click();
        for (int i = 0; i < extraItems; ++i) {
            f.txtTime->setText(QStringLiteral("%1:00 PM").arg(i % 12 + 1));
            f.txtTopic->setText(QStringLiteral("Topic %1").arg(i));
            f.txtDetails->setText(QStringLiteral("Details of agenda item %1").arg(i));
            f.txtRoom->setText(QStringLiteral("Rm 12%1").arg(i % 10));
            f.PushButton2_Click();
        }
        f.PushButton1_Click();
        qputenv("LC_PAPER", before);
        preview = &f.form2();
    }

    int listedPages() const { return preview->ListView1->topLevelItemCount(); }
    QString title() { return g.form().txtMeetingTitle->text(); }

    // The words of each page as the engine lays out the result's document.
    QList<QStringList> engineWords() {
        preview::ResultDocument document(g.t.automation, preview->mWordFile);
        QList<QStringList> pages;
        for (const QString& text : document.layout().pageTexts())
            pages << sorted(wordsOf(text));
        return pages;
    }

    static QStringList sorted(QStringList words) {
        std::sort(words.begin(), words.end());
        return words;
    }
};

} // namespace testing

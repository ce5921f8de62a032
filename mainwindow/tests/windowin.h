// Test helper: the window as a user of one language sees it.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QTimer>

#include "controls/radiobutton.h"
#include "languages/languages.h"
#include "mainwindow/Unit1.h"

namespace quillmark::testing {

// A window made with `language` installed, its web panels' timers stopped; the
// program's own language is back when it goes.
struct WindowIn {
    explicit WindowIn(Language language) {
        InstallLanguage(language);
        form = std::make_unique<TForm1>();
        form->Timer1->stop();
        form->Timer2->stop();
    }
    ~WindowIn() {
        form.reset();
        InstallLanguage(Language::Untranslated);
    }
    std::unique_ptr<TForm1> form;
};

// Every caption of the window's labels and radio buttons fits its control:
// the whole line across, and its ink (QLabel centres the line vertically)
// between the top and bottom edges.
inline void ExpectCaptionsFit(const TForm1& form) {
    for (QLabel* label : form.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        const QFontMetrics metrics(label->font());
        const QRect ink = metrics.tightBoundingRect(label->text());
        const int baseline = (label->height() - metrics.height()) / 2 + metrics.ascent();
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
            << qPrintable(label->objectName());
        EXPECT_GE(baseline + ink.top(), 0) << qPrintable(label->objectName());
        EXPECT_LE(baseline + ink.bottom(), label->height()) << qPrintable(label->objectName());
    }
    for (auto* button : form.findChildren<RadioButton*>())
        EXPECT_LE(button->sizeHint().width(), button->width()) << qPrintable(button->objectName());
}

}  // namespace quillmark::testing

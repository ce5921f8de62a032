// Test helper: the window as a user of one language sees it.
#pragma once

#include <memory>

#include <QTimer>

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

}  // namespace quillmark::testing

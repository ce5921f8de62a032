// The language the program speaks: chosen from the desktop's, with the
// translators that make Qt's tr() answer in it. Needs only Qt Core, so that a
// program without a window can use it as the window does.
#pragma once

#include <exception>

#include <QString>
#include <QStringList>

#include "locator/locator.h"

namespace quillmark {

// The program's own texts are Simplified Chinese; the others are translations.
enum class Language {
    // A desktop with no language (C, POSIX): the program's own texts, and Qt's
    // own (menus, standard buttons) as Qt writes them, in English.
    Untranslated,
    // The program's own texts, and Qt's in Simplified Chinese.
    SimplifiedChinese,
    TraditionalChinese,
    English,
};

inline constexpr Language kLanguages[] = {Language::Untranslated, Language::SimplifiedChinese,
                                          Language::TraditionalChinese, Language::English};

// The language for a desktop whose user-interface languages are
// `uiLanguages`, most wanted first, as QLocale::uiLanguages() gives them
// ("zh-Hant-TW") or as the environment writes them ("zh_TW.UTF-8@x"). The
// first entry that names Chinese, English or no language decides: Chinese
// written in Traditional characters (zh-Hant, or zh with TW, HK or MO and no
// script) is TraditionalChinese, any other Chinese SimplifiedChinese, "C",
// "POSIX" or an empty entry Untranslated. Languages the program does not speak
// are passed over; when nothing decides, English.
Language LanguageFor(const QStringList& uiLanguages);

// The language's tag in the names of its files ("en", "zh_TW"); empty for the
// program's own texts.
QString LanguageTag(Language language);

// The tag of a translation written from English texts (Qt's own, the command
// line's): Simplified Chinese is one of them ("zh_CN"); empty for English and
// for a desktop with no language, which keep the English.
QString TranslationFromEnglishTag(Language language);

// Makes `language` the language of the running QCoreApplication (a
// QApplication or not): replaces the translators installed by an earlier call
// with the program's translation, built into it, and Qt's own (qtbase_*.qm
// from the system's Qt translations; left out when not installed). Texts
// already shown keep their language.
void InstallLanguage(Language language);

// The language for this desktop: LanguageFor(QLocale::system().uiLanguages()).
Language DesktopLanguage();

// DesktopLanguage(), installed; returns it.
Language InstallDesktopLanguage();

// The language installed last; Untranslated before any.
Language CurrentLanguage();

// The locator's notice for `error` (MessageText) in the current language.
QString LocatorMessage(LocatorError error);

// The message of an error that escaped a handler, in the current language:
// InvalidInteger's quotes its text; any other error's is its what() as it is.
QString ErrorMessage(const std::exception& error);

}  // namespace quillmark

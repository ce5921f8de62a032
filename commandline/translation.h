// The command line's texts in the desktop's language, without Qt until a text
// has to be translated. A desktop that names no language (LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG unset, C or POSIX: scripts, cron, CI) gets the texts as
// written and never loads Qt; any other gets them from the translations
// module, loaded the first time a text is printed, which chooses the
// language by the window's rule and translates with Qt's own machinery.
#pragma once

#include <string_view>

// How lupdate finds a text to translate, as in Qt code (where Qt's own macro
// of this name is the same): it stands for the text itself. lupdate reads the
// sources for it and does not need the definition.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace quillmark {

// The context of the command line's own texts in the .ts files.
inline constexpr char kCommandLineContext[] = "quillmark::CommandLine";

// The translations module's entry: the translation of `source` of `context`
// in the desktop's language, in UTF-8 and kept by the module, or null where
// the text stays as written.
using TranslateFunction = const char* (*)(const char* context, const char* source);

// Where the translations come from: `load` finds and loads the module and
// returns its entry, or null when it cannot (the texts then stay as written).
// It is called at most once, the first time a text is translated on a desktop
// that names a language.
void SetTranslationLoader(TranslateFunction (*load)());

// Whether the environment names no language, so that the window's rule (Qt's
// reading of the environment, then LanguageFor) gives the texts as written
// without asking Qt: LANGUAGE holds nothing but C or POSIX entries, and the
// first of LC_ALL, LC_MESSAGES and LANG that is set is C or POSIX (with any
// codeset or modifier, in any case), or none is set. Any other environment is
// left to Qt, which may still find no language in it (LANG=xx, LANGUAGE=C).
bool DesktopNamesNoLanguage();

// `source`, a text of `context` marked with QT_TRANSLATE_NOOP, in the
// desktop's language: its translation, kept for the life of the program, or
// `source` itself.
std::string_view Translated(const char* context, const char* source);

}  // namespace quillmark

// The command line's translations, as a module that the program loads only
// when a text has to be translated, so that the command line starts without
// Qt on a desktop that names no language (commandline/translation.h). The
// language is the window's, DesktopLanguage(). The command line's own texts
// are English, translated by commandline_<tag>.qm; the locator's notices are
// the window's, translated by its quillmark_<tag>.qm.
#include <string>
#include <unordered_map>

#include <QTranslator>

#include "languages/languages.h"

namespace quillmark {
namespace {

class Translations {
public:
    Translations() {
        const Language language = DesktopLanguage();
        load(m_commandLine, QStringLiteral("commandline_"), TranslationFromEnglishTag(language));
        // Untranslated, the window's translation is not loaded: the notices
        // stay as written, as they do in the window.
        load(m_window, QStringLiteral("quillmark_"), LanguageTag(language));
    }

    // The translation of `source`, kept until the program ends; null where
    // the text stays as written.
    const char* translate(const char* context, const char* source) {
        std::string key = std::string(context) + '\0' + source;
        const auto known = m_kept.find(key);
        if (known != m_kept.end()) return known->second.empty() ? nullptr : known->second.c_str();
        QString translation = m_commandLine.translate(context, source);
        if (translation.isEmpty()) translation = m_window.translate(context, source);
        const auto kept = m_kept.emplace(std::move(key), translation.toStdString()).first;
        return kept->second.empty() ? nullptr : kept->second.c_str();
    }

private:
    static void load(QTranslator& translator, const QString& catalog, const QString& tag) {
        if (!tag.isEmpty()) (void)translator.load(catalog + tag, QStringLiteral(":/translations"));
    }

    QTranslator m_commandLine;
    QTranslator m_window;
    std::unordered_map<std::string, std::string> m_kept;
};

}  // namespace
}  // namespace quillmark

// The command line's TranslateFunction.
extern "C" Q_DECL_EXPORT const char* QuillmarkTranslate(const char* context, const char* source) {
    static quillmark::Translations translations;
    return translations.translate(context, source);
}

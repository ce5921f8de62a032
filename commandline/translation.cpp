#include "commandline/translation.h"

#include <cstdlib>
#include <string>

namespace quillmark {
namespace {

TranslateFunction (*g_load)() = nullptr;

// "C", "POSIX", "c.UTF-8", "POSIX@euro": a locale name that names no
// language, which Qt reads as its C locale.
bool namesNoLanguage(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    const auto is = [&](std::string_view word) {
        if (name.size() != word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if ((name[i] | 0x20) != (word[i] | 0x20)) return false;
        return true;
    };
    return is("c") || is("posix");
}

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

void SetTranslationLoader(TranslateFunction (*load)()) { g_load = load; }

bool DesktopNamesNoLanguage() {
    // Qt passes over LANGUAGE's entries that name no language, and with
    // none left falls back on the locale, here C as well.
    std::string_view languages = environment("LANGUAGE");
    while (!languages.empty()) {
        const std::size_t colon = languages.find(':');
        const std::string_view entry = languages.substr(0, colon);
        if (!entry.empty() && !namesNoLanguage(entry)) return false;
        languages = colon == std::string_view::npos ? "" : languages.substr(colon + 1);
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string_view value = environment(name);
        if (!value.empty()) return namesNoLanguage(value);
    }
    return true;
}

std::string_view Translated(const char* context, const char* source) {
    static const TranslateFunction translate =
        g_load && !DesktopNamesNoLanguage() ? g_load() : nullptr;
    if (translate) {
        if (const char* translation = translate(context, source)) return translation;
    }
    return source;
}

}  // namespace quillmark

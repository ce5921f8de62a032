#include "languages/languages.h"

#include <optional>
#include <string>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include "locator/dms_text.h"

namespace quillmark {

namespace {

// The locator's texts, for lupdate: they are translated by their text at run time.
[[maybe_unused]] const char* const kLocatorTexts[] = {
    QT_TRANSLATE_NOOP("quillmark::LocatorError", "经度参数出错！"),
    QT_TRANSLATE_NOOP("quillmark::LocatorError", "纬度参数出错！"),
};

// What one entry of a language list says, if it names a language we speak or
// no language at all.
std::optional<Language> languageNamedBy(QString entry) {
    // "zh_TW.UTF-8@modifier" as the environment writes it.
    entry = entry.section(u'.', 0, 0).section(u'@', 0, 0);
    if (entry.isEmpty() || entry.compare(u"C", Qt::CaseInsensitive) == 0 ||
        entry.compare(u"POSIX", Qt::CaseInsensitive) == 0)
        return Language::Untranslated;
    const QStringList subtags = entry.replace(u'_', u'-').split(u'-');
    const QString language = subtags.front().toLower();
    if (language == u"en") return Language::English;
    if (language != u"zh") return std::nullopt;
    bool traditionalRegion = false;
    for (const QString& subtag : subtags.sliced(1)) {
        // A script says it outright; a region only when no script is given.
        if (subtag.compare(u"Hant", Qt::CaseInsensitive) == 0) return Language::TraditionalChinese;
        if (subtag.compare(u"Hans", Qt::CaseInsensitive) == 0) return Language::SimplifiedChinese;
        for (const char* region : {"TW", "HK", "MO"})
            if (subtag.compare(QLatin1String(region), Qt::CaseInsensitive) == 0)
                traditionalRegion = true;
    }
    return traditionalRegion ? Language::TraditionalChinese : Language::SimplifiedChinese;
}

struct Installed {
    Language language = Language::Untranslated;
    QPointer<QTranslator> program;
    QPointer<QTranslator> qt;
};

Installed& installed() {
    static Installed current;
    return current;
}

// A translator owned by the application, installed when its file loads.
QTranslator* install(const QString& file, const QString& directory) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, directory) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace

Language LanguageFor(const QStringList& uiLanguages) {
    for (const QString& entry : uiLanguages) {
        if (const std::optional<Language> language = languageNamedBy(entry)) return *language;
    }
    return uiLanguages.isEmpty() ? Language::Untranslated : Language::English;
}

QString LanguageTag(Language language) {
    switch (language) {
        case Language::TraditionalChinese:
            return QStringLiteral("zh_TW");
        case Language::English:
            return QStringLiteral("en");
        case Language::Untranslated:
        case Language::SimplifiedChinese:
            break;
    }
    return {};
}

QString TranslationFromEnglishTag(Language language) {
    switch (language) {
        case Language::SimplifiedChinese:
            return QStringLiteral("zh_CN");
        case Language::TraditionalChinese:
            return QStringLiteral("zh_TW");
        case Language::Untranslated:
        case Language::English:
            break;
    }
    return {};
}

void InstallLanguage(Language language) {
    Installed& current = installed();
    delete current.program;
    delete current.qt;
    current.language = language;
    if (const QString tag = LanguageTag(language); !tag.isEmpty())
        current.program =
            install(QStringLiteral("quillmark_") + tag, QStringLiteral(":/translations"));
    if (const QString tag = TranslationFromEnglishTag(language); !tag.isEmpty())
        current.qt = install(QStringLiteral("qtbase_") + tag,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Language DesktopLanguage() { return LanguageFor(QLocale::system().uiLanguages()); }

Language InstallDesktopLanguage() {
    const Language language = DesktopLanguage();
    InstallLanguage(language);
    return language;
}

Language CurrentLanguage() { return installed().language; }

QString LocatorMessage(LocatorError error) {
    const std::string text(MessageText(error));
    return QCoreApplication::translate("quillmark::LocatorError", text.c_str());
}

QString ErrorMessage(const std::exception& error) {
    if (const auto* invalid = dynamic_cast<const InvalidInteger*>(&error)) {
        return QCoreApplication::translate("quillmark::InvalidInteger",
                                           "'%1' is not a valid integer value")
            .arg(QString::fromStdString(invalid->text()));
    }
    return QString::fromUtf8(error.what());
}

}  // namespace quillmark

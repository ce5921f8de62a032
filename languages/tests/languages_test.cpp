// Which language a desktop gets, and what the installed translators then say:
// the program's texts, Qt's own, and the locator's messages.
#include <gtest/gtest.h>

#include <stdexcept>

#include <QCoreApplication>

#include "languages/languages.h"
#include "locator/dms_text.h"

namespace quillmark {
namespace {

TEST(LanguageFor, TheFirstEntryThatNamesALanguageWeSpeakOrNoneDecides) {
    struct Case {
        QStringList uiLanguages;
        Language expected;
    };
    using enum Language;
    const Case cases[] = {
        // What Qt makes of LANG and LANGUAGE.
        {{"C"}, Untranslated},
        {{}, Untranslated},
        {{"zh-CN", "zh-Hans-CN", "zh"}, SimplifiedChinese},
        {{"zh-TW", "zh-Hant-TW"}, TraditionalChinese},
        {{"zh-HK", "zh-Hant-HK"}, TraditionalChinese},
        {{"zh-MO"}, TraditionalChinese},
        {{"zh-SG", "zh-Hans-SG"}, SimplifiedChinese},
        {{"zh-Hant", "zh-Hant-TW", "zh-TW"}, TraditionalChinese},
        {{"en-GB", "en-Latn-GB", "en"}, English},
        {{"de-DE", "de-Latn-DE", "de"}, English},
        // Languages we do not speak give way to the next one wanted.
        {{"fr", "fr-Latn-FR", "fr-FR", "zh-TW", "zh-Hant-TW"}, TraditionalChinese},
        {{"ja-JP", "zh-CN"}, SimplifiedChinese},
        {{"yue-HK", "yue-Hant-HK", "yue"}, English},
        {{"und", "C"}, Untranslated},
        // The script outweighs the region.
        {{"zh-Hans-HK"}, SimplifiedChinese},
        {{"zh-Hant-CN"}, TraditionalChinese},
        // As the environment writes them.
        {{"zh_TW.UTF-8"}, TraditionalChinese},
        {{"zh_hk.big5hkscs"}, TraditionalChinese},
        {{"POSIX"}, Untranslated},
        {{"C.UTF-8"}, Untranslated},
        {{"sr_RS@latin", "zh_CN.GB18030"}, SimplifiedChinese},
        {{""}, Untranslated},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LanguageFor(c.uiLanguages), c.expected) << qPrintable(c.uiLanguages.join(u' '));
}

TEST(InstallLanguage, TheProgramsAndQtsTextsFollowTheLanguage) {
    struct Case {
        Language language;
        const char* tag;
        const char* paste;  // Qt's own: a text box's menu
        const char* latitude;
    };
    // One after the other: each replaces what the one before installed. The
    // window's test reads every text in every language.
    const Case cases[] = {
        {Language::English, "en", "&Paste", "Latitude out of range!"},
        {Language::TraditionalChinese, "zh_TW", "貼上(&P)", "緯度參數出錯！"},
        {Language::SimplifiedChinese, "", "粘贴(&P)", "纬度参数出错！"},
        {Language::Untranslated, "", "&Paste", "纬度参数出错！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        InstallLanguage(c.language);
        EXPECT_EQ(CurrentLanguage(), c.language);
        EXPECT_EQ(LanguageTag(c.language), c.tag);
        EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"), c.paste);
        EXPECT_EQ(LocatorMessage(LocatorError::LatitudeOutOfRange), c.latitude);
        EXPECT_EQ(ErrorMessage(std::runtime_error("Disk full")), "Disk full")
            << "only the program's own messages are translated";
    }
    EXPECT_EQ(ErrorMessage(InvalidInteger("%1 %2")), "'%1 %2' is not a valid integer value")
        << "the quoted text is not a pattern";
    EXPECT_EQ(ErrorMessage(InvalidInteger("2147483648")).toStdString(),
              InvalidInteger("2147483648").what())
        << "untranslated, the message is the locator's own";
}

}  // namespace
}  // namespace quillmark

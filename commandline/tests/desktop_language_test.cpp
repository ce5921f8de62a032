// The command line decides without Qt that a desktop names no language only
// where Qt's reading of the environment, with the window's LanguageFor, gives
// the texts as written too. Each environment is tried in a child process of
// its own, since Qt reads the environment once.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include <QLocale>

#include "commandline/translation.h"
#include "languages/languages.h"

namespace quillmark {
namespace {

struct Answers {
    bool withoutQt;
    Language qt;
};

Answers answersIn(const std::vector<const char*>& environment) {
    int channel[2];
    EXPECT_EQ(pipe(channel), 0);
    const pid_t child = fork();
    if (child == 0) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(name);
        for (const char* variable : environment) putenv(const_cast<char*>(variable));
        const Answers answers{DesktopNamesNoLanguage(),
                              LanguageFor(QLocale::system().uiLanguages())};
        _exit(write(channel[1], &answers, sizeof answers) == sizeof answers ? 0 : 1);
    }
    close(channel[1]);
    Answers answers{};
    EXPECT_EQ(read(channel[0], &answers, sizeof answers), ssize_t(sizeof answers));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);
    return answers;
}

TEST(DesktopNamesNoLanguage, OnlyWhereQtFindsNoneEither) {
    struct Case {
        std::vector<const char*> environment;
        bool withoutQt;  // decided without Qt: no language
        Language qt;
    };
    using enum Language;
    const Case cases[] = {
        {{}, true, Untranslated},
        {{"LANG=C"}, true, Untranslated},
        {{"LANG=C.UTF-8"}, true, Untranslated},
        {{"LANG=POSIX"}, true, Untranslated},
        {{"LANG=c.utf8@x"}, true, Untranslated},
        {{"LC_ALL=C", "LANG=zh_TW.UTF-8"}, true, Untranslated},
        {{"LC_MESSAGES=POSIX", "LANG=zh_TW.UTF-8"}, true, Untranslated},
        {{"LC_ALL=", "LC_MESSAGES=", "LANG=C.UTF-8"}, true, Untranslated},
        {{"LANGUAGE=", "LANG=C"}, true, Untranslated},
        {{"LANGUAGE=:", "LANG=C.UTF-8"}, true, Untranslated},
        {{"LANGUAGE=C:POSIX.UTF-8", "LC_ALL=C"}, true, Untranslated},
        // LANGUAGE counts even where the locale is C, and Qt passes over
        // its entries that name no language.
        {{"LANGUAGE=zh_TW", "LANG=C"}, false, TraditionalChinese},
        {{"LANGUAGE=C:zh_TW", "LC_ALL=C"}, false, TraditionalChinese},
        {{"LANGUAGE=:en", "LANG=C"}, false, English},
        {{"LC_ALL=", "LANG=zh_TW.UTF-8"}, false, TraditionalChinese},
        {{"LANG=zh_HK.UTF-8"}, false, TraditionalChinese},
        {{"LANG=zh_CN.UTF-8"}, false, SimplifiedChinese},
        {{"LC_MESSAGES=zh_SG", "LANG=en_US.UTF-8"}, false, SimplifiedChinese},
        {{"LANG=en_US.UTF-8"}, false, English},
        {{"LANG=de_DE.UTF-8"}, false, English},
        {{"LANGUAGE=fr:zh_HK", "LANG=fr_FR.UTF-8"}, false, TraditionalChinese},
        // Left to Qt, which finds no language it knows, or a C locale.
        {{"LANG=xx_YY.UTF-8"}, false, Untranslated},
        {{"LANGUAGE=und:zh_TW"}, false, Untranslated},
        {{"LANGUAGE=C", "LANG=zh_TW.UTF-8"}, false, Untranslated},
        {{"LANG=i-klingon"}, false, Untranslated},
    };
    for (const Case& c : cases) {
        std::string name;
        for (const char* variable : c.environment) name += std::string(variable) + ' ';
        SCOPED_TRACE(name);
        const Answers answers = answersIn(c.environment);
        EXPECT_EQ(answers.qt, c.qt);
        EXPECT_EQ(answers.withoutQt, c.withoutQt);
        if (answers.withoutQt) {
            EXPECT_EQ(answers.qt, Untranslated);
        }
    }
}

}  // namespace
}  // namespace quillmark

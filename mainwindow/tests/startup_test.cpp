// What the program sets up before its window: the window's fonts (the cut-down
// copies are the ones in use, and they hold every character the window shows)
// and where it finds the web panels' engine plugin.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTimer>

#include "languages/languages.h"
#include "mainwindow/Unit1.h"
#include "mainwindow/application.h"
#include "mainwindow/tests/windowin.h"

namespace quillmark {
namespace {

TEST(WindowFonts, AreTheCutDownCopiesInTheirStyles) {
    struct Case {
        QFont font;
        const char* family;
        const char* style;
    };
    QFont bold = LayoutFont(15);
    bold.setBold(true);
    const Case cases[] = {
        {LayoutFont(11), "Quillmark Sans", "Regular"},
        {bold, "Quillmark Sans", "Bold"},
        {LayoutSongFont(13), "Quillmark Serif", "Regular"},
    };
    for (const Case& c : cases) {
        const QRawFont raw = QRawFont::fromFont(c.font);
        EXPECT_EQ(raw.familyName(), c.family);
        EXPECT_EQ(raw.styleName(), c.style);
        EXPECT_EQ(raw.pixelSize(), c.font.pixelSize());
    }
}

TEST(WindowFonts, TraditionalChineseTakesTheFacesWithItsOwnGlyphForms) {
    InstallLanguage(Language::TraditionalChinese);
    QFont bold = LayoutFont(15);
    bold.setBold(true);
    for (const QFont& font : {LayoutFont(11), bold, LayoutSongFont(13)}) {
        const QRawFont raw = QRawFont::fromFont(font);
        EXPECT_TRUE(raw.familyName().startsWith("Quillmark ")) << qPrintable(raw.familyName());
        EXPECT_TRUE(raw.familyName().endsWith(" TC")) << qPrintable(raw.familyName());
    }
    InstallLanguage(Language::Untranslated);
}

class WindowFontsIn : public ::testing::TestWithParam<Language> {};
INSTANTIATE_TEST_SUITE_P(EveryLanguage, WindowFontsIn, ::testing::ValuesIn(kLanguages));

TEST_P(WindowFontsIn, HoldEveryCharacterTheWindowShows) {
    testing::WindowIn w(GetParam());
    const TForm1& form = *w.form;
    int checked = 0;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            text = box->title();
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            text = edit->text() + QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        const QRawFont raw = QRawFont::fromFont(widget->font());
        for (const char32_t c : text.toUcs4()) {
            EXPECT_TRUE(raw.supportsCharacter(c))
                << qPrintable(widget->objectName()) << " U+" << std::hex << unsigned(c);
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(WebEngineLibrary, IsBesideTheProgramOrInItsInstalledLibraryDirectoryOrNowhere) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir dir(root.path());
    const QString file = QStringLiteral(QUILLMARK_WEBPANEL_FILE);
    const QString installed = QStringLiteral(QUILLMARK_WEBPANEL_DIR_FROM_BINDIR "/") + file;
    ASSERT_TRUE(dir.mkpath(QStringLiteral("build/mainwindow")));
    ASSERT_TRUE(dir.mkpath(QStringLiteral("usr/bin")));
    ASSERT_TRUE(dir.mkpath(QDir::cleanPath(QStringLiteral("usr/bin/") + installed + "/..")));
    for (const QString& plugin :
         {dir.filePath("build/mainwindow/" + file), dir.filePath("usr/bin/" + installed)}) {
        QFile touch(QDir::cleanPath(plugin));
        ASSERT_TRUE(touch.open(QIODevice::WriteOnly)) << qPrintable(touch.fileName());
    }
    struct Case {
        const char* programDir;
        QString expected;
    };
    const Case cases[] = {
        {"build/mainwindow", dir.filePath("build/mainwindow/" + file)},
        {"usr/bin", QDir::cleanPath(dir.filePath("usr/bin/" + installed))},
        {"elsewhere/bin", QString()},  // the program's package without the web panels
    };
    for (const Case& c : cases)
        EXPECT_EQ(WebEngineLibraryFor(dir.filePath(c.programDir)), c.expected) << c.programDir;
    EXPECT_FALSE(QStringLiteral(QUILLMARK_WEBPANEL_DIR_FROM_BINDIR).startsWith('/'))
        << "relative to the program, so that the installed tree can move";
}

}  // namespace
}  // namespace quillmark

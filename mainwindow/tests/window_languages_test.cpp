// The window in each of its languages: every text, the locate button's
// picture, the boxes' messages, and the fit of each text at the fixed layout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>

#include "controls/label.h"
#include "controls/radiobutton.h"
#include "controls/tests/recorder.h"
#include "controls/textbox.h"
#include "languages/languages.h"
#include "mainwindow/Unit1.h"
#include "mainwindow/tests/windowin.h"

namespace quillmark {
namespace {

using testing::ExpectCaptionsFit;
using testing::WindowIn;

// One text of the window in the program's own language, Traditional Chinese
// and English.
struct Text {
    const char* control;
    const char* own;
    const char* traditional;
    const char* english;
};

const Text kTexts[] = {
    {"Label6", "制作：Brellwick", "製作：Brellwick", "Made by: Brellwick"},
    {"Label10", "软件名称：Quillmark", "軟體名稱：Quillmark", "Software: Quillmark"},
    {"Label13", "授权类型：免费 ", "授權類型：免費 ", "Licence: freeware"},
    {"Label14", "版本：V1.0", "版本：V1.0", "Version: V1.0"},
    {"Label15", "本软件不捆绑任何插件", "本軟體不綑綁任何外掛", "No bundled add-ons"},
    {"GroupBox3", "输入参数：", "輸入參數：", "Enter coordinates:"},
    {"Label11", "经度：", "經度：", "Lon:"},
    {"Label12", "纬度：", "緯度：", "Lat:"},
    {"GroupBox4", "你在全球的QTH(网格位置)：", "你在全球的QTH(網格位置)：",
     "Your QTH (grid locator):"},
    {"GroupBox6", "选择参数：", "選擇參數：", "Select coordinates:"},
    {"GroupBox2", "经度：", "經度：", "Longitude:"},
    {"GroupBox1", "纬度：", "緯度：", "Latitude:"},
    {"Label2", "度:", "度:", "°"},
    {"Label3", "分:", "分:", "′"},
    {"Label4", "秒:", "秒:", "″"},
    {"RadioButton3", "西经", "西經", "W"},
    {"RadioButton4", "东经", "東經", "E"},
    {"RadioButton1", "北纬", "北緯", "N"},
    {"RadioButton2", "南纬", "南緯", "S"},
    // What the boxes say: a longitude, then a latitude out of range, then a
    // number box that holds no integer.
    {"NoticeBox", "经度参数出错！", "經度參數出錯！", "Longitude out of range!"},
    {"NoticeBox", "纬度参数出错！", "緯度參數出錯！", "Latitude out of range!"},
    {"ExceptionBox", "'x' is not a valid integer value.", "「x」不是有效的整數值.",
     "'x' is not a valid integer value."},
};

const char* textIn(Language language, const Text& t) {
    if (language == Language::TraditionalChinese) return t.traditional;
    return language == Language::English ? t.english : t.own;
}

QString shownText(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* box = qobject_cast<QGroupBox*>(control)) return box->title();
    return qobject_cast<QAbstractButton*>(control)->text();
}

TEST(WindowLanguages, EveryTextAndTheLocateButtonAreInTheDesktopsLanguage) {
    for (const Language language : kLanguages) {
        SCOPED_TRACE(LanguageTag(language).toStdString());
        WindowIn w(language);
        testing::RecordedNoticeBox notices;
        testing::RecordedExceptionBox errors;
        QStringList boxes;
        for (const Text& text : kTexts) {
            if (auto* control = w.form->findChild<QWidget*>(text.control))
                EXPECT_EQ(shownText(control), textIn(language, text)) << text.control;
            else
                boxes << textIn(language, text);
        }
        w.form->Edit1->setText("180");
        w.form->Image1->click();
        w.form->Edit1->setText("0");
        w.form->Edit4->setText("90");
        w.form->Image1->click();
        w.form->Edit2->setText("x");
        w.form->Image1->click();
        EXPECT_EQ(notices.shown + errors.shown, boxes);

        const QString tag = LanguageTag(language);
        const QImage picture(tag.isEmpty()
                                 ? QStringLiteral(":/assets/locate-button.png")
                                 : QStringLiteral(":/assets/locate-button-%1.png").arg(tag));
        EXPECT_EQ(w.form->Image1->picture(), picture);
    }
}

TEST(WindowLanguages, EveryTextFitsItsControlInEveryLanguage) {
    for (const Language language : kLanguages) {
        SCOPED_TRACE(LanguageTag(language).toStdString());
        WindowIn w(language);
        ExpectCaptionsFit(*w.form);
        for (QGroupBox* box : w.form->findChildren<QGroupBox*>()) {
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                             QStyle::SC_GroupBoxLabel, box);
            EXPECT_TRUE(box->rect().contains(title)) << qPrintable(box->objectName());
        }
        // The locate button's words stay clear of its outline: a band of 3
        // pixels round the edge is the same in every language.
        const QImage own(QStringLiteral(":/assets/locate-button.png"));
        const QImage& picture = w.form->Image1->picture();
        ASSERT_EQ(picture.size(), own.size());
        for (int y = 0; y < own.height(); ++y) {
            for (int x = 0; x < own.width(); ++x) {
                if (QRect(3, 3, own.width() - 6, own.height() - 6).contains(x, y)) continue;
                ASSERT_EQ(picture.pixel(x, y), own.pixel(x, y)) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace quillmark

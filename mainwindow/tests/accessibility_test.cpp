// The window as a screen reader reads it through QAccessible, in the program's
// own language and in English: each control's role and name, the labels that
// name the boxes, the locate button's press action and the map's description.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QToolButton>

#include "controls/label.h"
#include "controls/radiobutton.h"
#include "controls/spincontrol.h"
#include "controls/tests/recorder.h"
#include "controls/textbox.h"
#include "gridmap/zoomimage.h"
#include "mainwindow/tests/windowin.h"

namespace quillmark {
namespace {

using testing::WindowIn;

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

TEST(WindowAccessibility, EveryControlIsNamedByWhatASightedUserReadsNextToIt) {
    struct Control {
        const char* control;
        QAccessible::Role role;
        const char* own;
        const char* english;
        const char* label;  // the label beside it, if any
    };
    using enum QAccessible::Role;
    const Control rows[] = {
        {"EditLon", EditableText, "经度", "Longitude", "Label11"},
        {"EditLat", EditableText, "纬度", "Latitude", "Label12"},
        {"EditResult", EditableText, "你在全球的QTH(网格位置)", "Your QTH (grid locator)", ""},
        {"Edit1", EditableText, "经度 度", "Longitude degrees", "Label2"},
        {"Edit2", EditableText, "经度 分", "Longitude minutes", "Label3"},
        {"Edit3", EditableText, "经度 秒", "Longitude seconds", "Label4"},
        {"Edit4", EditableText, "纬度 度", "Latitude degrees", "Label7"},
        {"Edit5", EditableText, "纬度 分", "Latitude minutes", "Label8"},
        {"Edit6", EditableText, "纬度 秒", "Latitude seconds", "Label9"},
        {"RadioButton3", RadioButton, "西经", "West", ""},
        {"RadioButton4", RadioButton, "东经", "East", ""},
        {"RadioButton1", RadioButton, "北纬", "North", ""},
        {"RadioButton2", RadioButton, "南纬", "South", ""},
        {"Image1", Button, "计算 QTH", "Compute QTH", ""},
        {"ImgLogo", Link, "Brellwick 主页", "Brellwick home page", ""},
        {"ImgLocGraph", Graphic, "网格地图", "Grid map", ""},
        {"GroupBox6", Grouping, "选择参数：", "Select coordinates:", ""},
        {"Label6", StaticText, "制作：Brellwick", "Made by: Brellwick", ""},
    };
    for (const Language language : {Language::Untranslated, Language::English}) {
        WindowIn w(language);
        for (const Control& row : rows) {
            SCOPED_TRACE(row.control);
            QWidget* control = w.form->findChild<QWidget*>(row.control);
            ASSERT_NE(control, nullptr);
            QAccessibleInterface* face = accessible(control);
            EXPECT_EQ(face->role(), row.role);
            EXPECT_EQ(face->text(QAccessible::Name),
                      language == Language::English ? row.english : row.own);
            if (!*row.label) continue;
            QStringList labels;
            for (const auto& [label, relation] : face->relations(QAccessible::Label))
                labels << label->object()->objectName();
            EXPECT_TRUE(labels.contains(row.label)) << qPrintable(labels.join(u' '));
        }
        // The spin arrows say what they do to which box.
        for (auto* spin : w.form->findChildren<SpinControl*>()) {
            const QString box = spin->box()->accessibleName();
            const bool english = language == Language::English;
            EXPECT_EQ(accessible(spin->findChild<QToolButton*>("up"))->text(QAccessible::Name),
                      english ? box + " up" : "增加 " + box);
            EXPECT_EQ(accessible(spin->findChild<QToolButton*>("down"))->text(QAccessible::Name),
                      english ? box + " down" : "减少 " + box);
        }
    }
}

TEST(WindowAccessibility, ThePressActionLocatesTheMapNamesTheFieldAndTheButtonsToggle) {
    struct Case {
        Language language;
        const char* marked;
    };
    const Case cases[] = {
        {Language::Untranslated, "已标出网格 OL"},
        {Language::English, "Field OL marked"},
        {Language::TraditionalChinese, "已標出網格 OL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.marked);
        WindowIn w(c.language);
        testing::RecordedExceptionBox errors;
        QAccessibleInterface* map = accessible(w.form->ImgLocGraph);
        EXPECT_EQ(map->text(QAccessible::Description), "") << "nothing is marked yet";
        QAccessibleActionInterface* button = accessible(w.form->Image1)->actionInterface();
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->actionNames().contains(QAccessibleActionInterface::pressAction()));
        button->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(w.form->EditResult->text(), "") << "the reader's request returns first";
        QCoreApplication::processEvents();
        EXPECT_EQ(w.form->EditResult->text(), "OL63PC");
        EXPECT_EQ(accessible(w.form->EditResult)->text(QAccessible::Value), "OL63PC");
        EXPECT_EQ(map->text(QAccessible::Description), c.marked);

        QAccessibleInterface* west = accessible(w.form->RadioButton3);
        EXPECT_TRUE(west->state().checkable);
        EXPECT_FALSE(west->state().checked);
        west->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCoreApplication::processEvents();
        EXPECT_TRUE(west->state().checked);
        EXPECT_TRUE(w.form->EditLon->text().endsWith(u'W'));
        EXPECT_TRUE(errors.shown.isEmpty());
    }
}

}  // namespace
}  // namespace quillmark

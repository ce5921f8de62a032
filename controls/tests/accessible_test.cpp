// The kit's controls as a screen reader sees them through QAccessible: roles,
// names, states, actions, and the two boxes as alerts. (Offscreen, Qt sends no
// accessibility events: the alert a box raises when shown cannot be seen here.)
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "controls/exceptionbox.h"
#include "controls/label.h"
#include "controls/noticebox.h"
#include "controls/radiobutton.h"

namespace quillmark {
namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

TEST(AccessibleControls, SayWhatTheyAreAndDoWhatTheySay) {
    QWidget window;
    auto* west = new RadioButton(&window);
    west->setText(QStringLiteral("西经"));
    auto* east = new RadioButton(&window);
    east->setText(QStringLiteral("E"));
    east->setAccessibleName(QStringLiteral("East"));
    east->setInitialChecked(true);
    RadioButton::pair(west, east);
    auto* caption = new Label(&window);
    caption->setText(QStringLiteral("经度："));
    auto* button = new Picture(&window);
    button->setAccessibleName(QStringLiteral("计算 QTH"));
    auto* link = new Label(&window);
    link->setText(QStringLiteral("brellwick.example"));
    link->setClickRole(Label::ClickRole::Link);
    QStringList ran;
    west->setOnClick([&] { ran << "west"; });
    button->setOnClick([&] { ran << "button"; });
    link->setOnClick([&] { ran << "link"; });

    struct Case {
        QWidget* control;
        QAccessible::Role role;
        const char* name;
        QString action;  // empty: none that runs a handler
        const char* runs;
        bool checked;
    };
    const QString toggle = QAccessibleActionInterface::toggleAction();
    const QString press = QAccessibleActionInterface::pressAction();
    const Case cases[] = {
        // Toggling the checked button runs nothing.
        {east, QAccessible::RadioButton, "East", toggle, "", true},
        {west, QAccessible::RadioButton, "西经", toggle, "west", false},
        {caption, QAccessible::StaticText, "经度：", {}, "", false},
        {button, QAccessible::Button, "计算 QTH", press, "button", false},
        {link, QAccessible::Link, "brellwick.example", press, "link", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QAccessibleInterface* face = accessible(c.control);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), c.role);
        EXPECT_EQ(face->text(QAccessible::Name), c.name);
        EXPECT_EQ(face->state().checked, c.checked);
        QAccessibleActionInterface* actions = face->actionInterface();
        ASSERT_NE(actions, nullptr);
        EXPECT_EQ(actions->actionNames().contains(press) || actions->actionNames().contains(toggle),
                  !c.action.isEmpty());
        if (c.action.isEmpty()) continue;
        ran.clear();
        actions->doAction(c.action);
        EXPECT_TRUE(ran.isEmpty()) << "the reader's request returns before the handler runs";
        QCoreApplication::processEvents();
        EXPECT_EQ(ran, c.runs[0] ? QStringList{c.runs} : QStringList{});
    }
    EXPECT_TRUE(accessible(west)->state().checked) << "the toggle checked it";
    EXPECT_TRUE(accessible(west)->state().checkable);
    EXPECT_FALSE(east->isChecked());
}

TEST(AccessibleControls, BothBoxesAreAlertsThatSayTheirText) {
    const QString notice = QStringLiteral("纬度参数出错！");
    NoticeBox noticeBox(notice);
    ErrorMessageBox errorBox(QStringLiteral("Quillmark V1.0"),
                             QStringLiteral("'x' is not a valid integer value."));
    for (QDialog* box : std::initializer_list<QDialog*>{&noticeBox, &errorBox}) {
        SCOPED_TRACE(box->metaObject()->className());
        QAccessibleInterface* face = accessible(box);
        EXPECT_EQ(face->role(), QAccessible::AlertMessage);
        QStringList texts;
        for (int i = 0; i < face->childCount(); ++i) {
            if (face->child(i)->role() == QAccessible::StaticText)
                texts << face->child(i)->text(QAccessible::Name);
        }
        EXPECT_TRUE(texts.contains(box == &noticeBox ? notice : errorBox.text()))
            << qPrintable(texts.join(u'|'));
    }
}

}  // namespace
}  // namespace quillmark

// The ExceptionBox: its text, its Ctrl+C form and the real box.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "controls/exceptionbox.h"
#include "controls/tests/recorder.h"

namespace quillmark {
namespace {

TEST(ExceptionBoxTextTest, AppendsAFullStopAfterCodesAbove46) {
    struct Case {
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {"", ""},
        {"'' is not a valid integer value", "'' is not a valid integer value."},
        {"Ends in a stop.", "Ends in a stop."},
        {"经度参数出错！", "经度参数出错！."},  // U+FF01 is no ASCII "!"
        {"Done!", "Done!"},
        {"(see above)", "(see above)"},
        {"a,", "a,"},
        {"a-", "a-"},
        {"it's'", "it's'"},
        {"trailing blank ", "trailing blank "},
        {"line\n", "line\n"},
        {"9", "9."},
        {"path/", "path/."},
        {"key:", "key:."},
        {"why?", "why?."},
        {"出错", "出错."},
        {"emoji 😀", "emoji 😀."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(ExceptionBoxText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown));
    }
}

TEST(ExceptionBoxTextTest, ClipboardFormHasDividersCaptionsAndCrLf) {
    EXPECT_EQ(MessageBoxClipboardText("Quillmark V1.0", "Bad.", {"&OK"}),
              "---------------------------\r\n"
              "Quillmark V1.0\r\n"
              "---------------------------\r\n"
              "Bad.\r\n"
              "---------------------------\r\n"
              "OK   \r\n"
              "---------------------------\r\n");
    EXPECT_EQ(MessageBoxClipboardText("T", "", {"&Yes", "&No"}),
              "---------------------------\r\nT\r\n---------------------------\r\n\r\n"
              "---------------------------\r\nYes   No   \r\n---------------------------\r\n");
}

TEST(ExceptionBoxTest, CancelsMouseCaptureAndHeldButtonsBeforeShowing) {
    testing::RecordedExceptionBox errors;
    QWidget window;
    auto* held = new QPushButton(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.grabMouse();
    held->setDown(true);
    ShowException("x");
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_FALSE(held->isDown());
    EXPECT_EQ(errors.shown, QStringList({"x."}));
}

TEST(ExceptionBoxTest, RealBoxShowsTheMessageCopiesItAndGivesFocusBack) {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    edit->setFocus(Qt::MouseFocusReason);
    QApplication::clipboard()->clear();

    QString title, text, copied;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QAccessible::Role role = QAccessible::NoRole;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<ErrorMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        role = QAccessible::queryAccessibleInterface(box)->role();
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        copied = QApplication::clipboard()->text();
        box->button(QMessageBox::Ok)->click();
    });
    ShowException("'abc' is not a valid integer value");

    EXPECT_EQ(title, "Quillmark V1.0");
    EXPECT_EQ(text, "'abc' is not a valid integer value.");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(role, QAccessible::AlertMessage) << "what a screen reader announces";
    EXPECT_EQ(buttons, QStringList({"OK"}));
    EXPECT_EQ(copied, MessageBoxClipboardText(title, text, buttons));
    EXPECT_TRUE(copied.contains("\r\nOK   \r\n"));
    EXPECT_TRUE(QTest::qWaitFor([edit] { return QApplication::focusWidget() == edit; }, 2000));
}

}  // namespace
}  // namespace quillmark

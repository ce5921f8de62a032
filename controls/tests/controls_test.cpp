// The controls the window's handlers rely on, each on its own.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include "controls/dispatch.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "controls/radiobutton.h"
#include "controls/spincontrol.h"
#include "controls/tests/recorder.h"
#include "controls/textbox.h"

namespace quillmark {
namespace {

using testing::RecordedExceptionBox;

// A window with two text boxes, shown and active, so that keys and focus work.
class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 80);
        box = new TextBox(&window);
        box->setGeometry(0, 0, 100, 21);
        other = new TextBox(&window);
        other->setGeometry(0, 30, 100, 21);
        box->setOnChange([this] { seen << box->text(); });
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        box->setFocus(Qt::MouseFocusReason);
    }

    QWidget window;
    TextBox* box = nullptr;
    TextBox* other = nullptr;
    QStringList seen;
};

TEST_F(TextBoxTest, ProgramSetRunsHandlerOnceNestedAndEqualTextDoesNothing) {
    QStringList order;
    box->setOnChange([&] { order << "handler saw " + box->text(); });
    box->setText("abc");
    order << "after set";
    EXPECT_EQ(order, QStringList({"handler saw abc", "after set"}));

    box->setCursorPosition(1);
    box->setText("abc");
    EXPECT_EQ(order.size(), 2);
    EXPECT_EQ(box->cursorPosition(), 1) << "an equal text must not touch the caret";

    box->setText("");
    EXPECT_EQ(order.size(), 3);
    EXPECT_EQ(order.last(), "handler saw ");
}

TEST_F(TextBoxTest, EveryUserEditRunsHandlerOnce) {
    QTest::keyClicks(box, "12");
    EXPECT_EQ(seen, QStringList({"1", "12"}));
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(seen.last(), "1");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);  // undo the backspace
    EXPECT_EQ(seen.last(), "12");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);  // cut
    EXPECT_EQ(seen.last(), "");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);  // paste it back
    EXPECT_EQ(seen.last(), "12");
    EXPECT_EQ(seen, QStringList({"1", "12", "1", "12", "", "12"}));
}

TEST_F(TextBoxTest, HandlerMayRewriteItsOwnBox) {
    // Like a handler that trims its box: the nested change runs the handler
    // again, and the cascade ends when the text stops changing.
    box->setOnChange([this] {
        seen << box->text();
        box->setText(box->text().trimmed());
    });
    QTest::keyClicks(box, " 5");
    EXPECT_EQ(box->text(), "5");
    EXPECT_EQ(seen, QStringList({" ", "", "5"}));
}

TEST_F(TextBoxTest, UpperCaseTypingAppliesToTypedAndPastedLettersOnly) {
    box->setUpperCaseTyping(true);
    QTest::keyClicks(box, "1w");
    EXPECT_EQ(seen, QStringList({"1", "1W"})) << "no lower-case text may be announced";
    QApplication::clipboard()->setText("eß");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "1WEß");
    EXPECT_EQ(seen.size(), 3);
    box->setText("1w");
    EXPECT_EQ(box->text(), "1w") << "texts set by the program are kept as they are";
}

TEST_F(TextBoxTest, TypingLimitAppliesToTypingAndPastingOnly) {
    box->setTypingLimit(3);
    QTest::keyClicks(box, "12345");
    EXPECT_EQ(box->text(), "123");
    EXPECT_EQ(seen, QStringList({"1", "12", "123"}));

    box->setText("2147483648");
    EXPECT_EQ(box->text(), "2147483648") << "the program's text is never cut";
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "9");
    EXPECT_EQ(box->text(), "2147483648") << "an over-long text cannot grow";
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "214748364") << "but it can shrink";

    // A paste takes the part that fits, as the platform's boxes do.
    struct Case {
        const char* before;
        int selectionStart, selectionLength;
        QString clip;
        const char* after;
    };
    const Case cases[] = {
        {"", 0, 0, "12345", "123"},
        {"12", 0, 0, "345", "312"},
        {"123", 1, 1, "abc", "1a3"},
        {"123", 3, 0, "4", "123"},
        {"2147483648", 0, 2, "999", "9947483648"},
        {"1", 1, 0, QStringLiteral("2😀"), "12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clip.toStdString() + " into " + c.before);
        box->setText(c.before);
        box->setSelection(c.selectionStart, c.selectionLength);
        QApplication::clipboard()->setText(c.clip);
        const qsizetype before = seen.size();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text(), c.after);
        EXPECT_EQ(seen.size(), before + (c.after != QString(c.before)))
            << "one change, or none when nothing fits";
    }
}

TEST_F(TextBoxTest, ReturnAndKeypadEnterRunTheReturnHandlerAndOtherwiseGoOn) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool runs;
        bool repeat = false;
    };
    const Case cases[] = {
        {Qt::Key_Return, Qt::NoModifier, true},
        {Qt::Key_Enter, Qt::KeypadModifier, true},
        {Qt::Key_Return, Qt::ShiftModifier, false},
        {Qt::Key_Return, Qt::ControlModifier, false},
        {Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier, false},
        {Qt::Key_Return, Qt::NoModifier, false, true},
    };
    int returns = 0;
    box->setOnReturn([&] { ++returns; });
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString());
        returns = 0;
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString(), c.repeat);
        QApplication::sendEvent(box, &press);
        EXPECT_EQ(returns, c.runs ? 1 : 0);
        EXPECT_EQ(press.isAccepted(), c.runs) << "else it goes on to the parent";
    }
    EXPECT_TRUE(seen.isEmpty()) << "the text stays as it is";
    box->setOnReturn({});
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    EXPECT_FALSE(press.isAccepted()) << "a box without a handler";
}

TEST_F(TextBoxTest, ErrorInHandlerIsShownAndTheSetterCarriesOn) {
    RecordedExceptionBox errors;
    box->setOnChange([] { throw std::runtime_error("'2147483648' is not a valid integer value"); });
    bool carriedOn = false;
    box->setText("x");
    carriedOn = true;
    EXPECT_TRUE(carriedOn);
    EXPECT_EQ(box->text(), "x");
    EXPECT_EQ(errors.shown, QStringList({"'2147483648' is not a valid integer value."}));
    QTest::keyClicks(box, "y");
    EXPECT_EQ(errors.shown.size(), 2) << "typing goes on, and every change shows the box again";
}

TEST_F(TextBoxTest, FocusArrivingOtherThanByMouseSelectsAll) {
    box->setText("113");
    other->setText("abc");
    QTest::keyClick(box, Qt::Key_Tab);
    ASSERT_TRUE(other->hasFocus());
    EXPECT_EQ(other->selectedText(), "abc");
    QTest::keyClick(other, Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(box->hasFocus());
    EXPECT_EQ(box->selectedText(), "113");

    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(90, 10));
    ASSERT_TRUE(other->hasFocus());
    EXPECT_EQ(other->selectedText(), "") << "a click places the caret";

    box->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(box->selectedText(), "113");

    other->setFocus(Qt::MouseFocusReason);
    other->setCursorPosition(1);
    other->clearFocus();
    other->setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_EQ(other->selectedText(), "") << "coming back to the window keeps the caret";
    EXPECT_EQ(other->cursorPosition(), 1);
}

TEST_F(TextBoxTest, SelectionIsHiddenWhileUnfocused) {
    other->setText("abc");
    other->setFocus(Qt::TabFocusReason);
    EXPECT_NE(other->palette().color(QPalette::Highlight), other->palette().color(QPalette::Base));
    box->setFocus(Qt::TabFocusReason);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        EXPECT_EQ(other->palette().color(group, QPalette::Highlight),
                  other->palette().color(group, QPalette::Base));
        EXPECT_EQ(other->palette().color(group, QPalette::HighlightedText),
                  other->palette().color(group, QPalette::Text));
    }
}

TEST_F(TextBoxTest, ReadOnlyBoxTakesFocusAndCopiesButCannotBeTyped) {
    box->setText("OL63PC");
    box->setReadOnly(true);
    seen.clear();
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, "zz");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "OL63PC");
    EXPECT_TRUE(seen.isEmpty());
    box->selectAll();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "OL63PC");
}

class RadioButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 60);
        west = new RadioButton(&window);
        west->setGeometry(0, 0, 60, 20);
        west->setHint("W");
        east = new RadioButton(&window);
        east->setGeometry(80, 0, 60, 20);
        east->setHint("E");
        east->setInitialChecked(true);
        RadioButton::pair(west, east);
        west->setOnClick([this] {
            journal << QString("west clicked, east %1").arg(east->isChecked() ? "on" : "off");
        });
        east->setOnClick([this] { journal << "east clicked"; });
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    RadioButton* west = nullptr;
    RadioButton* east = nullptr;
    QStringList journal;
};

TEST_F(RadioButtonTest, ClickChecksUnchecksPartnerThenRunsHandlerOnce) {
    QTest::mouseClick(west, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_TRUE(west->isChecked());
    EXPECT_FALSE(east->isChecked());
    EXPECT_EQ(journal, QStringList({"west clicked, east off"}));

    QTest::mouseClick(west, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_TRUE(west->isChecked()) << "clicking the checked button leaves it checked";
    EXPECT_EQ(journal.size(), 1);

    west->setFocus(Qt::TabFocusReason);
    QTest::keyClick(west, Qt::Key_Space);
    EXPECT_EQ(journal.size(), 1);
    east->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(east, Qt::Key_Space);
    EXPECT_EQ(journal, QStringList({"west clicked, east off", "east clicked"}));
    EXPECT_FALSE(west->isChecked());
}

TEST_F(RadioButtonTest, OnlyTheCheckedButtonIsATabStop) {
    EXPECT_TRUE(east->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(west->focusPolicy() & Qt::TabFocus);
    west->check();
    EXPECT_TRUE(west->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(east->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(west->toolTip().isEmpty()) << "the hint is data, never shown";
    EXPECT_EQ(west->hint(), "W");
}

TEST_F(RadioButtonTest, ProgramCheckRunsHandlerDirectlySoErrorsReachTheCaller) {
    RecordedExceptionBox errors;
    west->setOnClick([] { throw std::runtime_error("inner"); });
    EXPECT_THROW(west->check(), std::runtime_error);
    EXPECT_TRUE(west->isChecked());
    EXPECT_FALSE(east->isChecked());
    EXPECT_TRUE(errors.shown.isEmpty());
    east->check();
    EXPECT_EQ(journal, QStringList({"east clicked"}));
    east->check();
    EXPECT_EQ(journal.size(), 1) << "checking the checked button runs nothing";
}

TEST_F(RadioButtonTest, ErrorInUserClickIsShownAndTheCheckStays) {
    RecordedExceptionBox errors;
    west->setOnClick([] { throw std::runtime_error("bad letter"); });
    QTest::mouseClick(west, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(errors.shown, QStringList({"bad letter."}));
    EXPECT_TRUE(west->isChecked());
    EXPECT_FALSE(east->isChecked());
}

class SpinControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(120, 40);
        box = new TextBox(&window);
        box->setGeometry(0, 0, 49, 21);
        spin = new SpinControl(&window);
        spin->setGeometry(49, 0, 16, 21);
        spin->setMaximum(59);
        spin->setPosition(15);
        box->setText("15");
        box->setOnChange([this] { seen << box->text(); });
        spin->associate(box);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QToolButton* arrow(const char* name) { return spin->findChild<QToolButton*>(name); }

    QWidget window;
    TextBox* box = nullptr;
    SpinControl* spin = nullptr;
    QStringList seen;
};

TEST_F(SpinControlTest, TyingWritesThePositionOnlyWhenDifferent) {
    EXPECT_TRUE(seen.isEmpty()) << "the box already showed the position";
    SpinControl other(&window);
    other.setMaximum(59);
    other.setPosition(7);
    other.associate(box);
    EXPECT_EQ(seen, QStringList({"7"}));
}

TEST_F(SpinControlTest, StepsFromTheBoxOrItsLastValueWithinTheRange) {
    struct Case {
        const char* text;
        int position;
        int delta;
        const char* expected;  // nullptr: nothing written
    };
    const Case cases[] = {
        {"53", 15, +1, "54"},   {"53", 15, -1, "52"}, {"05", 15, +1, "6"},  {"59", 15, +1, nullptr},
        {"0", 15, -1, nullptr}, {"1", 15, -1, "0"},   {"75", 15, +1, "16"}, {"x", 15, -1, "14"},
        {"", 59, +1, nullptr},  {"", 0, +1, "1"},     {" 5", 15, +1, "16"}, {"-5", 0, -1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("box \"") + c.text + "\" delta " + std::to_string(c.delta));
        box->setText(c.text);
        spin->setPosition(c.position);
        seen.clear();
        spin->step(c.delta);
        if (c.expected) {
            EXPECT_EQ(seen, QStringList({c.expected}));
        } else {
            EXPECT_TRUE(seen.isEmpty());
            EXPECT_EQ(box->text(), c.text);
        }
    }
}

TEST_F(SpinControlTest, ArrowsAndKeysStep) {
    const QPoint middle(8, 5);
    QTest::mouseClick(arrow("up"), Qt::LeftButton, {}, middle);
    EXPECT_EQ(seen, QStringList({"16"}));
    QTest::mouseClick(arrow("down"), Qt::LeftButton, {}, middle);
    EXPECT_EQ(seen.last(), "15");
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(seen, QStringList({"16", "15", "16", "17", "16"}));
    EXPECT_FALSE(arrow("up")->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(arrow("up")->height() + arrow("down")->height(), spin->height());
}

TEST_F(SpinControlTest, HeldArrowRepeatsOneStepAtATime) {
    QToolButton* up = arrow("up");
    up->setAutoRepeatDelay(50);
    up->setAutoRepeatInterval(20);
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(8, 5));
    EXPECT_TRUE(QTest::qWaitFor([this] { return seen.size() >= 4; }, 2000));
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(8, 5));
    for (int i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], QString::number(16 + i));
}

TEST_F(SpinControlTest, HeldArrowStopsWhenAnErrorIsShown) {
    RecordedExceptionBox errors;
    box->setOnChange([] { throw std::runtime_error("bad"); });
    QToolButton* up = arrow("up");
    up->setAutoRepeatDelay(50);
    up->setAutoRepeatInterval(20);
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(8, 5));
    QTest::qWait(300);
    EXPECT_EQ(errors.shown, QStringList({"bad."}));
    EXPECT_EQ(box->text(), "16");
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(8, 5));
}

// Sends one mouse event of `type` with the left button at `pos`.
void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

TEST(LabelTest, ClickIsPressAndReleaseOverItAndADoubleClickCountsOnce) {
    QWidget window;
    auto* picture = new Picture(&window);
    picture->setGeometry(0, 0, 110, 32);
    int clicks = 0;
    picture->setOnClick([&] { ++clicks; });
    const QPoint inside(50, 16), outside(200, 16);
    struct Step {
        QEvent::Type type;
        QPoint pos;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
        int clicks;
    };
    const Case cases[] = {
        {"click", {{QEvent::MouseButtonPress, inside}, {QEvent::MouseButtonRelease, inside}}, 1},
        {"released outside",
         {{QEvent::MouseButtonPress, inside}, {QEvent::MouseButtonRelease, outside}},
         0},
        // What Qt delivers for a double click.
        {"double click",
         {{QEvent::MouseButtonPress, inside},
          {QEvent::MouseButtonRelease, inside},
          {QEvent::MouseButtonPress, inside},
          {QEvent::MouseButtonDblClick, inside},
          {QEvent::MouseButtonRelease, inside}},
         1},
        {"release without press", {{QEvent::MouseButtonRelease, inside}}, 0},
    };
    for (const Case& c : cases) {
        clicks = 0;
        for (const Step& step : c.steps) sendMouse(picture, step.type, step.pos);
        EXPECT_EQ(clicks, c.clicks) << c.what;
    }
    clicks = 0;
    QTest::mouseClick(picture, Qt::RightButton, {}, inside);
    EXPECT_EQ(clicks, 0) << "right button";
    EXPECT_EQ(picture->focusPolicy(), Qt::NoFocus);
}

TEST(PanelTest, ChildrenArePlacedInsideTheBorder) {
    QWidget window;
    auto* bordered = new Panel(&window);
    setControlBounds(bordered, 144, 168, 468, 184);
    bordered->setBorder(Qt::black);
    auto* inner = new QWidget(bordered);
    setControlBounds(inner, 1, 1, 464, 180);
    auto* plain = new Panel(&window);
    auto* clipped = new QWidget(plain);
    setControlBounds(clipped, -2, -2, 470, 62);
    EXPECT_EQ(inner->mapTo(&window, QPoint(0, 0)), QPoint(146, 170));
    EXPECT_EQ(clipped->pos(), QPoint(-2, -2));
}

TEST(DispatchTest, CatchesEveryKindOfErrorAndShowsIt) {
    RecordedExceptionBox errors;
    Dispatch({});
    Dispatch([] {});
    Dispatch([] { throw std::out_of_range("Index out of range"); });
    Dispatch([] { throw 42; });
    Dispatch([] { throw std::runtime_error(""); });
    EXPECT_EQ(errors.shown, QStringList({"Index out of range.", "Unknown error.", ""}));
}

}  // namespace
}  // namespace quillmark

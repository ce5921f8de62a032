// Input synchronisation through the real widgets: keys into the boxes, clicks on
// the spin arrows and on the hemisphere buttons, checked against the texts, the
// checks and the order in which the handlers ran.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <variant>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "controls/radiobutton.h"
#include "controls/spincontrol.h"
#include "controls/tests/recorder.h"
#include "controls/tests/typing.h"
#include "controls/textbox.h"
#include "locator/dms_text.h"
#include "locator/position_text.h"
#include "mainwindow/Unit1.h"

// Readable failures: gtest would print a QString as its bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quillmark {
namespace {

using testing::RecordedExceptionBox;
using testing::typeText;

const QString kLonStart = QStringLiteral("113°15'53.76\"E");
const QString kLatStart = QStringLiteral(" 23° 6'32.02\"N");

// A fresh window as it is right after start-up, shown and active, whose input
// handlers are wrapped so that the test journals each one before it runs,
// indented by two spaces per level of nesting; the coordinate handlers with the
// text they find.
class InputWindow {
public:
    InputWindow() : form(std::make_unique<TForm1>()) {
        // Nothing here waits for the web panels.
        form->Timer1->stop();
        form->Timer2->stop();
        journal(form->EditLon, "EditLonChange", &TForm1::EditLonChange, true);
        journal(form->EditLat, "EditLatChange", &TForm1::EditLatChange, true);
        TextBox* numbers[] = {form->Edit1, form->Edit2, form->Edit3,
                              form->Edit4, form->Edit5, form->Edit6};
        void (TForm1::*changes[])() = {&TForm1::Edit1Change, &TForm1::Edit2Change,
                                       &TForm1::Edit3Change, &TForm1::Edit4Change,
                                       &TForm1::Edit5Change, &TForm1::Edit6Change};
        for (int i = 0; i < 6; ++i) {
            journal(numbers[i], QStringLiteral("Edit%1Change").arg(i + 1), changes[i], false);
        }
        journal(form->RadioButton1, "RadioButton1Click", &TForm1::RadioButton1Click);
        journal(form->RadioButton2, "RadioButton2Click", &TForm1::RadioButton2Click);
        journal(form->RadioButton3, "RadioButton3Click", &TForm1::RadioButton3Click);
        journal(form->RadioButton4, "RadioButton4Click", &TForm1::RadioButton4Click);
        form->show();
        QApplication::setActiveWindow(form.get());
        active = QTest::qWaitForWindowActive(form.get());
    }

    // Puts the caret into `box` as a mouse click would and selects `length`
    // characters from `start`.
    void select(TextBox* box, int start, int length = 0) {
        box->setFocus(Qt::MouseFocusReason);
        box->setSelection(start, length);
    }
    void selectAll(TextBox* box) { select(box, 0, int(box->text().size())); }

    void click(RadioButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    void spin(SpinControl* spin, const char* arrow) {
        QTest::mouseClick(spin->findChild<QToolButton*>(arrow), Qt::LeftButton, {}, QPoint(8, 5));
    }

    void paste(TextBox* box, const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }

    QStringList numbers() const {
        return {form->Edit1->text(), form->Edit2->text(), form->Edit3->text(),
                form->Edit4->text(), form->Edit5->text(), form->Edit6->text()};
    }

    std::unique_ptr<TForm1> form;
    RecordedExceptionBox errors;
    QStringList journaled;
    int depth = 0;
    int deepest = 0;
    bool active = false;

private:
    // Counts a level of nesting for as long as a handler runs, errors included.
    struct Nesting {
        explicit Nesting(InputWindow& w) : window(w) {
            window.deepest = std::max(window.deepest, ++window.depth);
        }
        ~Nesting() { --window.depth; }
        InputWindow& window;
    };

    void record(const QString& entry) { journaled << QString(2 * depth, u' ') + entry; }

    void journal(TextBox* box, const QString& name, void (TForm1::*handler)(), bool withText) {
        box->setOnChange([=, this] {
            record(withText ? name + u' ' + box->text() : name);
            Nesting nesting(*this);
            (form.get()->*handler)();
        });
    }

    void journal(RadioButton* button, const QString& name, void (TForm1::*handler)()) {
        button->setOnClick([=, this] {
            record(name);
            Nesting nesting(*this);
            (form.get()->*handler)();
        });
    }
};

// What the window shows: both coordinate texts, the six number boxes and
// which button of each pair is checked.
struct State {
    QString lon = kLonStart;
    QString lat = kLatStart;
    QStringList numbers = {"113", "15", "53", "23", "6", "32"};
    bool west = false;
    bool south = false;
};

// The start-up numbers with the box at `index` (0 for Edit1) holding `text`.
QStringList withNumber(int index, const QString& text) {
    QStringList numbers = State{}.numbers;
    numbers[index] = text;
    return numbers;
}

void expectState(const InputWindow& w, const State& expected) {
    EXPECT_EQ(w.form->EditLon->text(), expected.lon);
    EXPECT_EQ(w.form->EditLat->text(), expected.lat);
    EXPECT_EQ(w.numbers(), expected.numbers);
    EXPECT_EQ(w.form->RadioButton3->isChecked(), expected.west);
    EXPECT_NE(w.form->RadioButton4->isChecked(), expected.west);
    EXPECT_EQ(w.form->RadioButton2->isChecked(), expected.south);
    EXPECT_NE(w.form->RadioButton1->isChecked(), expected.south);
}

// One user action on a window fresh from start-up, after a set-up whose
// handlers are not journaled.
struct Scenario {
    const char* name;
    std::function<void(InputWindow&)> setUp;
    std::function<void(InputWindow&)> act;
    State expected;
    std::optional<QStringList> journal = std::nullopt;  // the order the handlers ran in
    QStringList errors = {};
    std::optional<int> caret = std::nullopt;  // in the box that has the focus
};

void run(const Scenario& s) {
    SCOPED_TRACE(s.name);
    InputWindow w;
    ASSERT_TRUE(w.active);
    if (s.setUp) s.setUp(w);
    w.journaled.clear();
    w.errors.shown.clear();
    s.act(w);
    expectState(w, s.expected);
    if (s.journal) {
        EXPECT_EQ(w.journaled, *s.journal);
    }
    EXPECT_EQ(w.errors.shown, s.errors);
    if (s.caret) {
        auto* box = qobject_cast<TextBox*>(QApplication::focusWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->cursorPosition(), *s.caret) << qPrintable(box->objectName());
    }
    EXPECT_EQ(w.depth, 0);
}

QString invalid(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value.").arg(text);
}

// The journal of typing the digits of `digits` one by one over the degrees of
// the start-up longitude: Edit1 follows while the degrees stay within 0..179.
QStringList typingDegrees(const QString& digits) {
    QStringList journal;
    for (qsizetype n = 1; n <= digits.size(); ++n) {
        const QString typed = digits.left(n);
        journal << "EditLonChange " + typed + QStringLiteral("°15'53.76\"E");
        if (typed.toLongLong() <= 179) journal << "  Edit1Change";
    }
    return journal;
}

TEST(InputTest, WorkedSequencesRunTheirHandlersDepthFirst) {
    const Scenario scenarios[] = {
        {"up arrow of UpDown3",
         {},
         [](InputWindow& w) { w.spin(w.form->UpDown3, "up"); },
         {.lon = QStringLiteral("113°15'54\"E"), .numbers = {"113", "15", "54", "23", "6", "32"}},
         QStringList{"Edit3Change", QStringLiteral("  EditLonChange 113°15'54\"E")}},
        {"RadioButton3 clicked twice",
         {},
         [](InputWindow& w) {
             w.click(w.form->RadioButton3);
             w.click(w.form->RadioButton3);
         },
         {.lon = QStringLiteral("113°15'53.76\"W"), .west = true},
         QStringList{"RadioButton3Click", QStringLiteral("  EditLonChange 113°15'53.76\"W")}},
        {"minutes selected in EditLon, 0 and 5 typed",
         {},
         [](InputWindow& w) {
             w.select(w.form->EditLon, 4, 2);
             typeText(w.form->EditLon, "05");
         },
         {.lon = QStringLiteral("113°5'53.76\"E"), .numbers = {"113", "5", "53", "23", "6", "32"}},
         QStringList{QStringLiteral("EditLonChange 113°0'53.76\"E"), "  Edit2Change",
                     QStringLiteral("EditLonChange 113°05'53.76\"E"), "  Edit2Change",
                     QStringLiteral("    EditLonChange 113°5'53.76\"E")},
         {},
         5},
        {"Backspace at the end of EditLon, then w",
         {},
         [](InputWindow& w) {
             w.select(w.form->EditLon, int(kLonStart.size()));
             QTest::keyClick(w.form->EditLon, Qt::Key_Backspace);
             ASSERT_FALSE(w.form->RadioButton3->isChecked());
             QTest::keyClicks(w.form->EditLon, "w");
         },
         {.lon = QStringLiteral("113°15'53.76\"W"), .west = true},
         QStringList{QStringLiteral("EditLonChange 113°15'53.76\""),
                     QStringLiteral("EditLonChange 113°15'53.76\"W"), "  RadioButton3Click"}},
        {"up arrow of UpDown5",
         {},
         [](InputWindow& w) { w.spin(w.form->UpDown5, "up"); },
         {.lat = QStringLiteral("23°7'32.02\"N"), .numbers = {"113", "15", "53", "23", "7", "32"}},
         QStringList{"Edit5Change", QStringLiteral("  EditLatChange 23°7'32.02\"N")}},
        {"2147483648 typed over the degrees of EditLon",
         {},
         [](InputWindow& w) {
             w.select(w.form->EditLon, 0, 3);
             typeText(w.form->EditLon, "2147483648");
         },
         {.lon = QStringLiteral("2147483648°15'53.76\"E"),
          .numbers = {"21", "15", "53", "23", "6", "32"}},
         typingDegrees("2147483648"),
         {invalid("2147483648")},
         10},
    };
    for (const Scenario& s : scenarios) run(s);
}

TEST(InputTest, TheSecondsFractionGoesWithEveryChangeOfTheSecondsBox) {
    const State dropped{.lon = QStringLiteral("113°15'54\"E"),
                        .numbers = {"113", "15", "54", "23", "6", "32"}};
    const Scenario scenarios[] = {
        {"54 typed into Edit3",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->Edit3);
             QTest::keyClicks(w.form->Edit3, "54");
         },
         dropped},
        {"the whole seconds retyped in EditLon in front of the fraction",
         {},
         [](InputWindow& w) {
             w.select(w.form->EditLon, 7, 2);
             QTest::keyClicks(w.form->EditLon, "54");
         },
         dropped,
         std::nullopt,
         {},
         9},
        {"seconds and fraction typed left to right in EditLon",
         {},
         [](InputWindow& w) {
             w.select(w.form->EditLon, 7, 5);
             QTest::keyClicks(w.form->EditLon, "54.25");
         },
         {.lon = QStringLiteral("113°15'54.25\"E"),
          .numbers = {"113", "15", "54", "23", "6", "32"}},
         std::nullopt,
         {},
         12},
        {"UpDown6 down: the latitude loses its leading blank and its fraction",
         {},
         [](InputWindow& w) { w.spin(w.form->UpDown6, "down"); },
         {.lat = QStringLiteral("23° 6'31\"N"), .numbers = {"113", "15", "53", "23", "6", "31"}}},
    };
    for (const Scenario& s : scenarios) run(s);
}

TEST(InputTest, EdgeCasesOfTheCascade) {
    const Scenario scenarios[] = {
        {"a leading zero typed into Edit2 costs one more exchange",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->Edit2);
             QTest::keyClicks(w.form->Edit2, "05");
         },
         {.lon = QStringLiteral("113°5'53.76\"E"), .numbers = withNumber(1, "5")},
         QStringList{"Edit2Change", QStringLiteral("  EditLonChange 113°0'53.76\"E"), "Edit2Change",
                     QStringLiteral("  EditLonChange 113°05'53.76\"E"), "    Edit2Change",
                     QStringLiteral("      EditLonChange 113°5'53.76\"E")},
         {},
         1},
        {"a blank typed at the start of EditLon vanishes at once",
         {},
         [](InputWindow& w) {
             w.select(w.form->EditLon, 0);
             QTest::keyClicks(w.form->EditLon, " ");
         },
         {},
         QStringList{QStringLiteral("EditLonChange  113°15'53.76\"E"),
                     QStringLiteral("  EditLonChange 113°15'53.76\"E")},
         {},
         0},
        {"a blank typed at the end stays until a number box rewrites the text",
         [](InputWindow& w) {
             w.select(w.form->EditLon, int(kLonStart.size()));
             QTest::keyClicks(w.form->EditLon, " ");
             EXPECT_EQ(w.form->EditLon->text(), kLonStart + u' ');
         },
         [](InputWindow& w) { w.spin(w.form->UpDown1, "up"); },
         {.lon = QStringLiteral("114°15'53.76\"E"), .numbers = withNumber(0, "114")}},
        {"a pasted text with both letters ends with the second",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->EditLon);
             w.paste(w.form->EditLon, QStringLiteral("113°15'53\"EW"));
         },
         {.lon = QStringLiteral("113°15'53\"W"), .west = true}},
        // With west checked, E is checked first and its handler leaves only E
        // in the text; the letter step still goes by the text it read, so W
        // follows and wins.
        {"both letters pasted while west is checked",
         [](InputWindow& w) { w.click(w.form->RadioButton3); },
         [](InputWindow& w) {
             w.selectAll(w.form->EditLon);
             w.paste(w.form->EditLon, QStringLiteral("113°15'53\"EW"));
         },
         {.lon = QStringLiteral("113°15'53\"W"), .west = true},
         QStringList{QStringLiteral("EditLonChange 113°15'53\"EW"), "  RadioButton4Click",
                     QStringLiteral("    EditLonChange 113°15'53\"E"), "  RadioButton3Click",
                     QStringLiteral("    EditLonChange 113°15'53\"W")}},
        {"both latitude letters: S wins wherever it stands",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->EditLat);
             w.paste(w.form->EditLat, QStringLiteral("S23°6'32\"N"));
         },
         {.lat = QStringLiteral("23°6'32\"S"), .south = true}},
        {"180 is not taken for the longitude",
         {},
         [](InputWindow& w) {
             w.select(w.form->EditLon, 0, 3);
             QTest::keyClicks(w.form->EditLon, "180");
         },
         {.lon = QStringLiteral("180°15'53.76\"E"), .numbers = withNumber(0, "18")}},
        {"91 is taken for the latitude, typed after the leading blank",
         {},
         [](InputWindow& w) {
             w.select(w.form->EditLat, 1, 2);
             QTest::keyClicks(w.form->EditLat, "91");
         },
         {.lat = QStringLiteral("91° 6'32.02\"N"), .numbers = withNumber(3, "91")},
         std::nullopt,
         {},
         2},
        {"UpDown1 up at 179 runs nothing",
         [](InputWindow& w) {
             w.selectAll(w.form->Edit1);
             QTest::keyClicks(w.form->Edit1, "179");
         },
         [](InputWindow& w) { w.spin(w.form->UpDown1, "up"); },
         {.lon = QStringLiteral("179°15'53.76\"E"), .numbers = withNumber(0, "179")},
         QStringList{}},
        {"UpDown2 down at 0 runs nothing",
         [](InputWindow& w) {
             w.selectAll(w.form->Edit2);
             QTest::keyClicks(w.form->Edit2, "0");
         },
         [](InputWindow& w) { w.spin(w.form->UpDown2, "down"); },
         {.lon = QStringLiteral("113°0'53.76\"E"), .numbers = withNumber(1, "0")},
         QStringList{}},
        {"clicking the checked button runs nothing",
         {},
         [](InputWindow& w) {
             w.click(w.form->RadioButton4);
             w.click(w.form->RadioButton1);
         },
         {},
         QStringList{}},
        {"emptying Edit1 leaves the degree sign alone",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->Edit1);
             QTest::keyClick(w.form->Edit1, Qt::Key_Backspace);
         },
         {.lon = QStringLiteral("°15'53.76\"E"), .numbers = withNumber(0, "")},
         QStringList{"Edit1Change", QStringLiteral("  EditLonChange °15'53.76\"E")}},
        {"1a in Edit1 goes into the text and stays in the box",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->Edit1);
             QTest::keyClicks(w.form->Edit1, "1a");
         },
         {.lon = QStringLiteral("1a°15'53.76\"E"), .numbers = withNumber(0, "1a")}},
        {"75 in Edit2 goes into the text and is not taken back",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->Edit2);
             QTest::keyClicks(w.form->Edit2, "75");
         },
         {.lon = QStringLiteral("113°75'53.76\"E"), .numbers = withNumber(1, "75")}},
    };
    for (const Scenario& s : scenarios) run(s);
}

TEST(InputTest, FreeChoicesOfTheControlsAndWhatTheyMeanForTheTexts) {
    const Scenario scenarios[] = {
        // A spin step on a box without a whole number in range starts from the
        // spin control's last value, and both forms jump there.
        {"UpDown2 up over 75 starts from 15",
         [](InputWindow& w) {
             w.selectAll(w.form->Edit2);
             QTest::keyClicks(w.form->Edit2, "75");
         },
         [](InputWindow& w) { w.spin(w.form->UpDown2, "up"); },
         {.lon = QStringLiteral("113°16'53.76\"E"), .numbers = withNumber(1, "16")}},
        {"UpDown2 down over letters starts from 15",
         [](InputWindow& w) {
             w.selectAll(w.form->Edit2);
             QTest::keyClicks(w.form->Edit2, "x");
         },
         [](InputWindow& w) { w.spin(w.form->UpDown2, "down"); },
         {.lon = QStringLiteral("113°14'53.76\"E"), .numbers = withNumber(1, "14")}},
        {"a number that EditLonChange wrote is where the next step starts",
         [](InputWindow& w) {
             w.select(w.form->EditLon, 4, 2);
             QTest::keyClicks(w.form->EditLon, "40");
         },
         [](InputWindow& w) { w.spin(w.form->UpDown2, "up"); },
         {.lon = QStringLiteral("113°41'53.76\"E"), .numbers = withNumber(1, "41")}},
        {"UpDown4 over 91 typed in EditLat starts from the last value, 23",
         [](InputWindow& w) {
             w.select(w.form->EditLat, 1, 2);
             QTest::keyClicks(w.form->EditLat, "91");
         },
         [](InputWindow& w) { w.spin(w.form->UpDown4, "up"); },
         {.lat = QStringLiteral("24° 6'32.02\"N"), .numbers = withNumber(3, "24")}},
        // Texts set by the program are not upper-cased: a lower-case letter in a
        // number box reaches the coordinate text as no letter at all, and stays
        // so while the user types elsewhere in that text.
        {"w typed into Edit1 is no west letter",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->Edit1);
             QTest::keyClicks(w.form->Edit1, "w");
             w.select(w.form->EditLon, 1);
             QTest::keyClicks(w.form->EditLon, "1");
         },
         {.lon = QStringLiteral("w1°15'53.76\"E"), .numbers = withNumber(0, "w")}},
        {"W typed into Edit1 is one, and takes the degrees with it",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->Edit1);
             QTest::keyClicks(w.form->Edit1, "W");
         },
         {.lon = QStringLiteral("°15'53.76\"W"), .numbers = withNumber(0, "W"), .west = true},
         QStringList{"Edit1Change", QStringLiteral("  EditLonChange W°15'53.76\"E"),
                     "    RadioButton3Click", QStringLiteral("      EditLonChange °15'53.76\"W")}},
    };
    for (const Scenario& s : scenarios) run(s);
}

TEST(InputTest, InvalidIntegerEndsOnlyTheRunItArisesIn) {
    const QStringList start = State{}.numbers;
    const Scenario scenarios[] = {
        // The degrees 07 go to Edit1 as 7; its handler rewrites the text and the
        // nested EditLonChange fails on the minutes "5 ". Edit1Change and then
        // the outer EditLonChange go on, and the outer run fails on the same
        // minutes: seconds and letter are never read.
        {"nested failure, then the outer run's own",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->EditLon);
             w.paste(w.form->EditLon, QStringLiteral("07°5 '0\"W"));
         },
         {.lon = QStringLiteral("7°5 '0\"W"), .numbers = {"7", "15", "53", "23", "6", "32"}},
         QStringList{QStringLiteral("EditLonChange 07°5 '0\"W"), "  Edit1Change",
                     QStringLiteral("    EditLonChange 7°5 '0\"W")},
         {invalid("5 "), invalid("5 ")}},
        {"a trailing blank after the degrees typed into Edit1",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->Edit1);
             QTest::keyClicks(w.form->Edit1, "5 ");
         },
         {.lon = QStringLiteral("5 °15'53.76\"E"), .numbers = {"5 ", "15", "53", "23", "6", "32"}},
         QStringList{"Edit1Change", QStringLiteral("  EditLonChange 5°15'53.76\"E"), "Edit1Change",
                     QStringLiteral("  EditLonChange 5 °15'53.76\"E")},
         {invalid("5 ")}},
        {"Edit4 has no typing limit: the tenth digit fails in EditLatChange",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->Edit4);
             QTest::keyClicks(w.form->Edit4, "2147483648");
         },
         {.lat = QStringLiteral("2147483648° 6'32.02\"N"),
          .numbers = {"113", "15", "53", "2147483648", "6", "32"}},
         std::nullopt,
         {invalid("2147483648")},
         10},
        {"every keystroke that leaves the part shows the box again",
         [](InputWindow& w) {
             w.select(w.form->EditLon, 0, 3);
             typeText(w.form->EditLon, "2147483648");
         },
         [](InputWindow& w) {
             typeText(w.form->EditLon, "9");
             QTest::keyClick(w.form->EditLon, Qt::Key_Backspace);
             QTest::keyClick(w.form->EditLon, Qt::Key_Backspace);
         },
         {.lon = QStringLiteral("214748364°15'53.76\"E"),
          .numbers = {"21", "15", "53", "23", "6", "32"}},
         std::nullopt,
         {invalid("21474836489"), invalid("2147483648")},
         9},
    };
    for (const Scenario& s : scenarios) run(s);
}

TEST(InputTest, FocusAndCaretComeBackToTheBoxAfterTheErrorBox) {
    InputWindow w;
    ASSERT_TRUE(w.active);
    // A box that takes the focus while it is up, as the real one does.
    QStringList shown;
    const ExceptionPresenter previous = SetExceptionPresenter([&](const QString& text) {
        shown << text;
        w.form->Edit6->setFocus(Qt::OtherFocusReason);
    });
    w.select(w.form->EditLon, 0, 3);
    typeText(w.form->EditLon, "2147483648");
    SetExceptionPresenter(previous);
    EXPECT_EQ(shown, QStringList({invalid("2147483648")}));
    EXPECT_EQ(QApplication::focusWidget(), w.form->EditLon);
    EXPECT_EQ(w.form->EditLon->cursorPosition(), 10);
    EXPECT_FALSE(w.form->EditLon->hasSelectedText());
    QTest::keyClick(w.form->EditLon, Qt::Key_Backspace);
    EXPECT_EQ(w.form->EditLon->text(), QStringLiteral("214748364°15'53.76\"E"));
}

TEST(InputTest, LookAlikesOfInputMethodsTurnIntoTheNotation) {
    const QString fullWidthLon = QStringLiteral("１２０º３０’５３。７６”ｗ");
    const Scenario scenarios[] = {
        {"typed into EditLon",
         {},
         [&](InputWindow& w) {
             w.selectAll(w.form->EditLon);
             typeText(w.form->EditLon, fullWidthLon);
         },
         {.lon = QStringLiteral("120°30'53.76\"W"),
          .numbers = {"120", "30", "53", "23", "6", "32"},
          .west = true}},
        {"pasted into EditLat",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->EditLat);
             w.paste(w.form->EditLat, QStringLiteral("４５˚５９′０″Ｓ"));
         },
         {.lat = QStringLiteral("45°59'0\"S"),
          .numbers = {"113", "15", "53", "45", "59", "0"},
          .south = true},
         QStringList{QStringLiteral("EditLatChange 45°59'0\"S"), "  Edit4Change", "  Edit5Change",
                     "  Edit6Change", "  RadioButton2Click"}},
        {"curly marks of the Chinese punctuation mode",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->EditLon);
             typeText(w.form->EditLon, QStringLiteral("8˚7‘6“e"));
         },
         {.lon = QStringLiteral("8°7'6\"E"), .numbers = {"8", "7", "6", "23", "6", "32"}}},
        {"the ideographic space is no blank and stays",
         {},
         [](InputWindow& w) {
             w.select(w.form->EditLon, 0);
             typeText(w.form->EditLon, QStringLiteral("\u3000"));
         },
         {.lon = QStringLiteral("\u3000113°15'53.76\"E")}},
        {"number boxes take look-alikes as they are",
         {},
         [](InputWindow& w) {
             w.selectAll(w.form->Edit1);
             typeText(w.form->Edit1, QStringLiteral("１"));
         },
         {.lon = QStringLiteral("１°15'53.76\"E"), .numbers = {"１", "15", "53", "23", "6", "32"}}},
    };
    for (const Scenario& s : scenarios) run(s);
}

TEST(InputTest, TypingALineFromEmptyKeepsEveryCharacterTyped) {
    struct Case {
        TextBox* TForm1::*box;
        QString line;
    };
    // Lines whose components are written as the boxes write them; the missing
    // marks of every prefix leave the text alone.
    const Case cases[] = {
        {&TForm1::EditLon, QStringLiteral("12°34'56\"W")},
        {&TForm1::EditLon, QStringLiteral("113°15'53.76\"E")},
        {&TForm1::EditLon, QStringLiteral("W113°15'53\"")},
        {&TForm1::EditLon, QStringLiteral("15'30\"E")},
        {&TForm1::EditLat, QStringLiteral("23° 6'32.02\"N")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        InputWindow w;
        ASSERT_TRUE(w.active);
        TextBox* box = w.form.get()->*c.box;
        w.selectAll(box);
        QTest::keyClick(box, Qt::Key_Backspace);
        for (qsizetype n = 1; n <= c.line.size(); ++n) {
            typeText(box, c.line.mid(n - 1, 1));
            ASSERT_EQ(box->text(), c.line.left(n));
            ASSERT_EQ(box->cursorPosition(), n);
        }
        EXPECT_TRUE(w.errors.shown.isEmpty());
    }
}

TEST(InputTest, AFractionTypedFromEmptyLastsUntilTheSecondsBoxChanges) {
    // The seconds box takes 15 at the second mark, and its handler writes the
    // whole seconds back: the fraction goes, as with any change of that box.
    InputWindow w;
    ASSERT_TRUE(w.active);
    w.selectAll(w.form->EditLon);
    typeText(w.form->EditLon, QStringLiteral("120°30'15.5"));
    EXPECT_EQ(w.form->EditLon->text(), QStringLiteral("120°30'15.5"));
    typeText(w.form->EditLon, "\"");
    EXPECT_EQ(w.form->EditLon->text(), QStringLiteral("120°30'15\""));
    EXPECT_EQ(w.numbers(), QStringList({"120", "30", "15", "23", "6", "32"}));
    EXPECT_EQ(w.form->EditLon->cursorPosition(), 10);
}

TEST(InputTest, LatitudeBoxesTakeNoMoreLettersThanTheCascadeCanNest) {
    // Each pair of letters costs two nested handlers; thousands of them would
    // overflow the stack, so a latitude number box takes 30 typed characters.
    InputWindow w;
    ASSERT_TRUE(w.active);
    QString letters;
    for (int i = 0; i < 10000; ++i) letters += i % 2 ? u'S' : u'N';
    w.selectAll(w.form->Edit4);
    w.paste(w.form->Edit4, letters);
    EXPECT_EQ(w.form->Edit4->text(), letters.left(30)) << "the part that fits";
    EXPECT_EQ(w.depth, 0);
    EXPECT_GT(w.deepest, 30) << "the exchanges do nest";
    EXPECT_LE(w.deepest, 2 + 2 * 3 + 2 * 31);
    const QString lat = w.form->EditLat->text();
    EXPECT_EQ(lat.count(u'N') + lat.count(u'S'), 1) << qPrintable(lat);
    EXPECT_EQ(w.form->RadioButton2->isChecked(), lat.contains(u'S'));
    typeText(w.form->Edit4, "N");
    EXPECT_EQ(w.form->Edit4->text(), letters.left(30)) << "the 31st character is refused";
    EXPECT_TRUE(w.errors.shown.isEmpty());
}

// Positions pasted, dropped or typed and entered into a coordinate line, with
// the lines, the boxes and buttons and the locator that follow, and the note a
// refused text leaves in the line's tooltip.
TEST(InputTest, APositionPastedDroppedOrEnteredFillsTheLinesInTheNotation) {
    enum class How { Paste, Drop, Enter };
    struct Case {
        TextBox* TForm1::*box;
        How how;
        QString text;
        QString lon, lat;     // the lines afterwards, whose letters the buttons show
        const char* numbers;  // the six number boxes afterwards
        const char* locator;
        QString note = {};
        int from = 0;     // the selection the text replaces; -1: the caret at the end
        int length = -1;  // -1: to the end
        bool south = false;
    };
    const QString lon = kLonStart, lat = kLatStart;
    const char* start = "113 15 53 23 6 32";
    const Case cases[] = {
        // Both lines, whatever the line and the way in.
        {&TForm1::EditLon, How::Paste, "-33.8675, 151.2070", "151°12'25.2\"E", "33°52'3\"S",
         "151 12 25 33 52 3", "QF56OD"},
        {&TForm1::EditLat, How::Paste, "N 40° 42.767 W 74° 0.35", "74°0'21\"W", "40°42'46.02\"N",
         "74 0 21 40 42 46", "FN20XR", QString(), -1},
        {&TForm1::EditLon, How::Drop,
         "https://www.google.com/maps/place/X/@48.85,2.35,12z/"
         "data=!4m5!3m4!8m2!3d51.5074!4d-0.1278",
         "0°7'40.08\"W", "51°30'26.64\"N", "0 7 40 51 30 26", "IO91WM"},
        {&TForm1::EditLon, How::Enter, "jo62qm", "13°22'30\"E", "52°31'15\"N", "13 22 30 52 31 15",
         "JO62QM"},
        {&TForm1::EditLat, How::Drop, "geo:-33.8675,151.2070;u=20", "151°12'25.2\"E", "33°52'3\"S",
         "151 12 25 33 52 3", "QF56OD"},
        // One value fills its own line, a bare one on the side the line shows.
        {&TForm1::EditLat, How::Paste, QStringLiteral("北纬23.1089"), lon, "23°6'32.04\"N", start,
         "OL63PC"},
        {&TForm1::EditLat, How::Paste, "51.5", lon, "51°30'0\"S", "113 15 53 51 30 0", "OD68PM",
         QString(), 0, -1, true},
        {&TForm1::EditLon, How::Enter, "-0.5", "0°30'0\"W", lat, "0 30 0 23 6 32", "IL93SC"},
        // Pieces of a line are edits: 54 over the seconds, a bare number at the end.
        {&TForm1::EditLon, How::Paste, "54", "113°15'54\"E", lat, "113 15 54 23 6 32", "OL63PC",
         QString(), 7, 5},
        {&TForm1::EditLon, How::Paste, "23.5", lon + "23.5", lat, start, "OL63PC", QString(), -1},
        // Refused: as pasted or typed, with the reason in the tooltip; Enter
        // locates the boxes as they are.
        {&TForm1::EditLon, How::Paste, "23,1089, 113,2649", "23,1089, 113,2649", lat, start,
         "OL63PC", QStringLiteral("逗号分不清是小数点还是分隔符")},
        {&TForm1::EditLon, How::Paste, "23.1089n", "23.1089N", lat, start, "OL63PC",
         QStringLiteral("这是纬度，请粘贴到纬度框")},
        {&TForm1::EditLon, How::Paste, "https://uri.amap.com/marker?position=113.26,23.10",
         "HTTPS://URI.AMAP.COM/MARKER?PO", lat, start, "OL63PC",
         QStringLiteral("高德地图的坐标有意偏离 WGS-84，无法准确换算")},
        {&TForm1::EditLon, How::Enter, "12-34-56", "12-34-56", lat, start, "OL63PC",
         QStringLiteral("数字后的 - 或 + 分不清是正负号还是分隔符")},
        // The boxes hold whole seconds, toward zero, and the locate action
        // reads them: less than a second west of an edge, or less than
        // 0.000001 degree short of one to the east, the boxes' locator is the
        // neighbour of the exact position's (IJ90WA, JJ00BA).
        {&TForm1::EditLon, How::Paste, "0°0'0\"N, 0°5'0.5\"W", "0°5'0.5\"W", "0°0'0\"N",
         "0 5 0 0 0 0", "IJ90XA"},
        {&TForm1::EditLat, How::Paste, "0°4'59.999\"E 0°0'0\"N", "0°4'59.999\"E", "0°0'0\"N",
         "0 4 59 0 0 0", "JJ00AA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        InputWindow w;
        ASSERT_TRUE(w.active);
        testing::RecordedNoticeBox notices;
        TextBox* box = w.form.get()->*c.box;
        if (c.south) w.click(w.form->RadioButton2);
        const int length = int(box->text().size());
        const int from = c.from < 0 ? length : c.from;
        w.select(box, from, c.length < 0 ? length - from : c.length);
        switch (c.how) {
            case How::Paste:
                w.paste(box, c.text);
                break;
            case How::Drop: {
                QMimeData data;
                data.setText(c.text);
                const QPoint end(box->width() - 2, 10);
                QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
                QApplication::sendEvent(box, &enter);
                QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, {});
                QApplication::sendEvent(box, &drop);
                break;
            }
            case How::Enter:
                typeText(box, c.text);
                QTest::keyClick(box, Qt::Key_Return);
                break;
        }
        expectState(w, {c.lon, c.lat, QString::fromLatin1(c.numbers).split(u' '),
                        c.lon.endsWith(u'W'), c.lat.endsWith(u'S')});
        EXPECT_EQ(box->toolTip(), c.note);
        if (c.how != How::Enter) w.form->Image1Click();
        EXPECT_EQ(w.form->EditResult->text(), c.locator);
        EXPECT_TRUE(w.errors.shown.isEmpty());
        EXPECT_TRUE(notices.shown.isEmpty());
    }
}

// A paste that fills both lines is one edit: Ctrl+Z in either line, once its
// own later edits are undone, puts both lines back, and Ctrl+Y again.
TEST(InputTest, OneUndoTakesAPastedPositionBackFromBothLines) {
    const State converted{
        "151°12'25.2\"E", "33°52'3\"S", {"151", "12", "25", "33", "52", "3"}, false, true};
    // The latitude line loses its leading blank, as at any change.
    const State before{.lat = QStringLiteral("23° 6'32.02\"N")};
    for (TextBox* TForm1::*undoIn : {&TForm1::EditLon, &TForm1::EditLat}) {
        InputWindow w;
        ASSERT_TRUE(w.active);
        w.selectAll(w.form->EditLon);
        w.paste(w.form->EditLon, "-33.8675, 151.2070");
        TextBox* box = w.form.get()->*undoIn;
        w.select(box, int(box->text().size()));
        typeText(box, "x");
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        expectState(w, converted);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        expectState(w, before);
        QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
        expectState(w, converted);
        EXPECT_TRUE(w.errors.shown.isEmpty());
    }
}

// The controls of one axis, as the random user sees them.
struct AxisControls {
    TextBox* coordinate;
    TextBox* numbers[3];
    SpinControl* spins[3];
    RadioButton* first;
    RadioButton* second;
    char firstLetter;
    char secondLetter;
    QStringList handlers;
};

AxisControls longitudeOf(TForm1& f) {
    return {f.EditLon,
            {f.Edit1, f.Edit2, f.Edit3},
            {f.UpDown1, f.UpDown2, f.UpDown3},
            f.RadioButton4,
            f.RadioButton3,
            'E',
            'W',
            {"EditLonChange", "Edit1Change", "Edit2Change", "Edit3Change", "RadioButton3Click",
             "RadioButton4Click"}};
}

AxisControls latitudeOf(TForm1& f) {
    return {f.EditLat,
            {f.Edit4, f.Edit5, f.Edit6},
            {f.UpDown4, f.UpDown5, f.UpDown6},
            f.RadioButton1,
            f.RadioButton2,
            'N',
            'S',
            {"EditLatChange", "Edit4Change", "Edit5Change", "Edit6Change", "RadioButton1Click",
             "RadioButton2Click"}};
}

// Everything of an axis that a user can see.
QStringList snapshot(const AxisControls& axis) {
    return {axis.coordinate->text(),
            axis.numbers[0]->text(),
            axis.numbers[1]->text(),
            axis.numbers[2]->text(),
            axis.first->isChecked() ? "first" : "",
            axis.second->isChecked() ? "second" : ""};
}

// The axis's letters in `text`, in either case and width: each exchange
// between a button and the coordinate text removes one.
int lettersIn(const AxisControls& axis, const QString& text) {
    int count = 0;
    for (QChar c : text.toUpper()) {
        for (char letter : {axis.firstLetter, axis.secondLetter}) {
            if (c == QChar(letter) || c == QChar(0xFF00 + letter - 0x20)) ++count;
        }
    }
    return count;
}

int lettersInBoxes(const AxisControls& axis) {
    int count = lettersIn(axis, axis.coordinate->text());
    for (const TextBox* box : axis.numbers) count += lettersIn(axis, box->text());
    return count;
}

// A user who types, deletes, pastes, undoes, steps and clicks at random.
class RandomUser {
public:
    explicit RandomUser(unsigned seed) : m_random(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T, std::size_t N>
    const T& pick(const T (&items)[N]) {
        return items[below(int(N))];
    }

    QString someText() {
        static const char* const kPieces[] = {
            "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",      "9", "0",  "5",
            "9",  "1",  "°",  "'",  "\"", ".",  " ",  "E",  "W",      "N", "S",  "e",
            "w",  "n",  "s",  "x",  "-",  "+",  "$",  "’",  "”",      "º", "１", "５",
            "Ｅ", "Ｓ", "。", "＂", "＇", "ｗ", "北", "度", "\u3000",
        };
        QString text;
        for (int n = 1 + below(3); n > 0; --n) text += QString::fromUtf8(pick(kPieces));
        return text;
    }

    QString someLine() {
        static const char* const kLines[] = {
            "113°15'53.76\"E",
            "7°5'9\"W",
            "23° 6'32.02\"N",
            "45°59'0\"S",
            "179°59'59\"W",
            "0°0'0\"E",
            "91°0'0\"N",
            "180°0'0\"E",
            "05°07'09\"S",
            "１２°３４’５６”Ｗ",
            "12°34'56\"EW",
            "113 °15'53\"E",
            "2147483648°0'0\"",
            "15'30\"E",
            "",
            "NS",
        };
        return QString::fromUtf8(pick(kLines));
    }

    // Places the caret or a selection somewhere in `box`, focused as by a click.
    void placeCaret(TextBox* box) {
        const int length = int(box->text().size());
        const int start = below(length + 1);
        box->setFocus(Qt::MouseFocusReason);
        box->setSelection(start, chance(30) ? below(length - start + 1) : 0);
    }

private:
    std::mt19937 m_random;
};

TEST(InputTest, RandomUserActionsKeepEachAxisInStep) {
    constexpr int kWindows = 4;
    constexpr int kActionsPerWindow = 1000;
    int checkedNumbers = 0, checkedLetters = 0, deepestSeen = 0;
    for (unsigned seed = 1; seed <= kWindows; ++seed) {
        InputWindow w;
        ASSERT_TRUE(w.active);
        RandomUser user(seed);
        const AxisControls axes[] = {longitudeOf(*w.form), latitudeOf(*w.form)};
        for (int step = 0; step < kActionsPerWindow; ++step) {
            const AxisControls& axis = axes[user.below(2)];
            const AxisControls& other = &axis == &axes[0] ? axes[1] : axes[0];
            const QStringList before = snapshot(axis);
            const int lettersBefore = lettersInBoxes(axis);
            const QStringList otherBefore = snapshot(other);
            w.journaled.clear();
            w.errors.shown.clear();
            w.deepest = 0;

            // One action on `axis`, described for the failure message. A
            // position pasted into a coordinate line fills both lines, and an
            // undo there may take such a paste back from both.
            QString action;
            QString inserted;
            bool bothAxes = false;
            TextBox* box = user.chance(40) ? axis.coordinate : axis.numbers[user.below(3)];
            switch (user.below(10)) {
                case 0:
                case 1:
                case 2: {
                    user.placeCaret(box);
                    inserted = user.someText();
                    action = "type " + inserted + " into " + box->objectName();
                    typeText(box, inserted);
                    break;
                }
                case 3: {
                    user.placeCaret(box);
                    const bool back = user.chance(50);
                    action = (back ? "Backspace in " : "Delete in ") + box->objectName();
                    QTest::keyClick(box, back ? Qt::Key_Backspace : Qt::Key_Delete);
                    break;
                }
                case 4: {
                    user.placeCaret(box);
                    inserted = user.chance(50) ? user.someLine() : user.someText();
                    action = "paste " + inserted + " into " + box->objectName();
                    bothAxes = box == axis.coordinate &&
                               std::holds_alternative<Position>(
                                   readPositionText(UpperCaseLetters(inserted).toStdString()));
                    w.paste(box, inserted);
                    break;
                }
                case 5:
                case 6: {
                    SpinControl* spin = axis.spins[user.below(3)];
                    const char* arrow = user.chance(50) ? "up" : "down";
                    action = QStringLiteral("%1 arrow of %2").arg(arrow, spin->objectName());
                    w.spin(spin, arrow);
                    break;
                }
                case 7: {
                    TextBox* number = axis.numbers[user.below(3)];
                    number->setFocus(Qt::MouseFocusReason);
                    const bool up = user.chance(50);
                    action = (up ? "Up key in " : "Down key in ") + number->objectName();
                    QTest::keyClick(number, up ? Qt::Key_Up : Qt::Key_Down);
                    break;
                }
                case 8: {
                    RadioButton* button = user.chance(50) ? axis.first : axis.second;
                    action = "click " + button->objectName();
                    w.click(button);
                    break;
                }
                case 9: {
                    user.placeCaret(box);
                    action = "undo in " + box->objectName();
                    bothAxes = box == axis.coordinate;
                    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
                    break;
                }
            }
            const QString where = QStringLiteral("window %1, step %2: %3 -> %4 | %5 %6 %7")
                                      .arg(seed)
                                      .arg(step)
                                      .arg(action, axis.coordinate->text(), axis.numbers[0]->text(),
                                           axis.numbers[1]->text(), axis.numbers[2]->text());
            SCOPED_TRACE(where.toStdString());

            // The cascade is over. Every nested rewrite of the coordinate text
            // brings it closer to rest: the action's handler and the coordinate
            // handler make two levels, each of the three components that gets
            // normalised two more, and so does each letter exchange.
            ASSERT_EQ(w.depth, 0);
            deepestSeen = std::max(deepestSeen, w.deepest);
            ASSERT_LE(w.deepest, 2 + 2 * 3 + 2 * (lettersBefore + lettersIn(axis, inserted)));

            // The other axis neither changed nor ran a handler.
            if (!bothAxes) {
                ASSERT_EQ(snapshot(other), otherBefore);
                for (const QString& entry : w.journaled) {
                    ASSERT_TRUE(
                        other.handlers.filter(entry.trimmed().section(u' ', 0, 0)).isEmpty())
                        << qPrintable(entry);
                }
            }
            ASSERT_NE(axis.first->isChecked(), axis.second->isChecked());

            // Where the coordinate text converts, the boxes and buttons follow it.
            const std::string t = TrimLeadingBlanks(axis.coordinate->text().toStdString());
            if (!w.journaled.isEmpty()) {
                ASSERT_EQ(t, axis.coordinate->text().toStdString()) << "no leading blank";
            }
            std::optional<std::int32_t> components[3];
            try {
                components[0] = ExtractDegrees(t);
                components[1] = ExtractMinutes(t);
                components[2] = ExtractSeconds(t);
            } catch (const InvalidInteger&) {
                // A text that changed into one that fails has shown the error.
                if (axis.coordinate->text() != before[0]) {
                    ASSERT_FALSE(w.errors.shown.isEmpty());
                }
                continue;
            }
            for (int i = 0; i < 3; ++i) {
                if (!components[i]) continue;
                ++checkedNumbers;
                ASSERT_EQ(axis.numbers[i]->text().toStdString(), DecimalText(*components[i]))
                    << "component " << i;
            }
            const HemisphereLetters found =
                FindHemisphereLetters(t, axis.firstLetter, axis.secondLetter);
            if (found.First != found.Second) {
                ++checkedLetters;
                ASSERT_EQ(axis.first->isChecked(), found.First);
            }
        }
    }
    // The checks above must have had something to check.
    EXPECT_GT(checkedNumbers, kWindows * kActionsPerWindow);
    EXPECT_GT(checkedLetters, kWindows * kActionsPerWindow / 2);
    std::cout << "deepest nesting " << deepestSeen << ", " << checkedNumbers << " components and "
              << checkedLetters << " letters checked\n";
}

}  // namespace
}  // namespace quillmark

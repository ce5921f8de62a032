// The text box's user-text map and where its caret goes when the program
// rewrites it.
#include <gtest/gtest.h>

#include <functional>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "controls/tests/typing.h"
#include "controls/textbox.h"
#include "languages/languages.h"
#include "locator/dms_text.h"

namespace quillmark {
namespace {

using testing::typeText;

// A stand-in for the look-alike map: curly apostrophes become straight ones,
// and "…" becomes three full stops (so that a map may lengthen a text).
QString straighten(const QString& text) {
    QString result;
    for (QChar c : text) {
        if (c == u'’' || c == u'‘') {
            result += u'\'';
        } else if (c == u'…') {
            result += QStringLiteral("...");
        } else {
            result += c;
        }
    }
    return result;
}

class MappedTextBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 60);
        box = new TextBox(&window);
        box->setGeometry(0, 0, 150, 21);
        box->setUserTextMap(straighten);
        box->setUpperCaseTyping(true);
        box->setOnChange([this] { seen << box->text(); });
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        box->setFocus(Qt::MouseFocusReason);
    }

    QWidget window;
    TextBox* box = nullptr;
    QStringList seen;
};

// The ways a user puts text into a box.
void pasteByKey(TextBox* box, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

void pasteByMenu(TextBox* box, const QString& text) {
    QApplication::clipboard()->setText(text);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &event);
    auto* menu = box->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste"))) paste = action;
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    delete menu;
}

void commitFromInputMethod(TextBox* box, const QString& text) {
    QInputMethodEvent composing(text, {});
    QApplication::sendEvent(box, &composing);
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

void drop(TextBox* box, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPoint end(box->width() - 2, 10);
    QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(box, &enter);
    QDragMoveEvent move(end, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(box, &move);
    QDropEvent event(end, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(box, &event);
}

TEST_F(MappedTextBoxTest, EveryWayOfInsertingIsMappedBeforeTheChangeAndUndoesAsUsual) {
    struct Case {
        const char* how;
        std::function<void(TextBox*, const QString&)> insert;
    };
    const Case cases[] = {
        {"typed", typeText},
        {"pasted by key", pasteByKey},
        {"pasted by menu", pasteByMenu},
        {"input method", commitFromInputMethod},
        {"dropped", drop},
    };
    // What the box does with a text that needs no mapping is the measure.
    struct Outcome {
        QString text;
        QStringList seen;
        QString afterUndo;
        bool moreUndo;
    };
    const auto insertAfterTyping = [this](const Case& c, const QString& text) {
        box->setText("");
        QTest::keyClicks(box, "1");
        seen.clear();
        c.insert(box, text);
        Outcome outcome{box->text(), seen, {}, false};
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        outcome.afterUndo = box->text();
        outcome.moreUndo = box->isUndoAvailable();
        return outcome;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        const Outcome plain = insertAfterTyping(c, "5'E");
        ASSERT_EQ(plain.text, "15'E");
        const Outcome mapped = insertAfterTyping(c, QStringLiteral("5’e"));
        EXPECT_EQ(mapped.text, "15'E");
        EXPECT_EQ(mapped.seen, plain.seen) << "only mapped text is ever announced";
        EXPECT_EQ(mapped.afterUndo, plain.afterUndo) << "undo takes the same steps";
        EXPECT_EQ(mapped.moreUndo, plain.moreUndo) << "the history before it is kept";
    }
    EXPECT_EQ(insertAfterTyping(cases[1], QStringLiteral("5’e")).afterUndo, "1")
        << "a paste is one step of its own";
}

TEST_F(MappedTextBoxTest, TypingLimitCountsTheMappedText) {
    box->setTypingLimit(4);
    typeText(box, "1…");
    EXPECT_EQ(box->text(), "1...");
    typeText(box, "…");
    EXPECT_EQ(box->text(), "1...") << "three more characters would pass the limit";
    box->setText("");
    pasteByKey(box, "12…");
    EXPECT_EQ(box->text(), "12..") << "five characters once mapped; four fit";
    box->setText("");
    pasteByKey(box, "’’’’");
    EXPECT_EQ(box->text(), "''''");
}

TEST_F(MappedTextBoxTest, MenuPasteIsMappedInEveryLanguage) {
    // The menu's captions are Qt's, translated ("粘贴(&P)").
    for (const Language language : {Language::English, Language::SimplifiedChinese,
                                    Language::TraditionalChinese, Language::Untranslated}) {
        InstallLanguage(language);
        box->setText("");
        pasteByMenu(box, QStringLiteral("5’e"));
        EXPECT_EQ(box->text(), "5'E") << qPrintable(QLineEdit::tr("&Paste"));
    }
}

TEST_F(MappedTextBoxTest, TextsSetByTheProgramStayAsTheyAre) {
    box->setText("’w");
    EXPECT_EQ(box->text(), "’w");
    EXPECT_EQ(seen, QStringList({"’w"}));
    box->end(false);
    typeText(box, "‘");
    EXPECT_EQ(box->text(), "’w'") << "typing maps only what is typed";
    // QLineEdit::insert reaches the box past the key and paste handling, as a
    // middle-click paste does: only the inserted piece is mapped there too.
    box->setCursorPosition(1);
    box->insert("‘e");
    EXPECT_EQ(box->text(), "’'Ew'");
    box->setText("");
    box->insert("😀’");
    EXPECT_EQ(box->text(), "😀'");
}

TEST_F(MappedTextBoxTest, ReadOnlyBoxTakesNothing) {
    box->setText("OL63PC");
    box->setReadOnly(true);
    box->end(false);
    typeText(box, "’");
    pasteByKey(box, "’");
    commitFromInputMethod(box, "’");
    drop(box, "’");
    EXPECT_EQ(box->text(), "OL63PC");
}

// The paste handler sees every paste and drop, uncut, before it goes in; it
// may put a text of its own in its place, or leave a note that lasts until
// the next change. Typing never reaches it.
TEST_F(MappedTextBoxTest, APasteHandlerMayTakeThePastesPlaceOrLeaveANote) {
    QStringList offered;
    box->setTypingLimit(6);
    box->setOnPaste([&] {
        offered << box->pastedText() + u'|' + box->textAfterPaste();
        if (box->pastedText().startsWith(u'#')) TextBox::replaceAsUser({{box, "TAKEN"}});
        if (box->pastedText().startsWith(u'!')) box->setNote("why");
    });
    const std::function<void(TextBox*, const QString&)> ways[] = {pasteByKey, pasteByMenu, drop};
    for (const auto& insert : ways) {
        box->setText("ab");
        box->setCursorPosition(2);
        offered.clear();
        seen.clear();
        insert(box, QStringLiteral("#1’3456789"));
        EXPECT_EQ(offered, QStringList({"#1'3456789|ab#1'3456789"})) << "mapped, not cut";
        EXPECT_EQ(box->text(), "TAKEN");
        EXPECT_EQ(seen, QStringList({"TAKEN"}));
        insert(box, "!");
        EXPECT_EQ(box->text(), "TAKEN!") << "in as usual";
        EXPECT_EQ(box->toolTip(), "why") << "the note outlasts the paste it is about";
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->toolTip(), "") << "and goes with the next change";
    }
    offered.clear();
    typeText(box, "#");
    commitFromInputMethod(box, "#");
    EXPECT_TRUE(offered.isEmpty());
}

// Texts put in by replaceAsUser are one edit across their boxes: Undo in either,
// once its own later edits are undone, puts both back; Redo puts them again.
TEST_F(MappedTextBoxTest, TextsPutInTogetherAreUndoneTogetherFromEitherBox) {
    auto* other = new TextBox(&window);
    for (TextBox* undoIn : {box, other}) {
        box->setText("a1");
        other->setText("b1");
        TextBox::replaceAsUser({{box, "a2"}, {other, "b2"}});
        undoIn->setFocus(Qt::MouseFocusReason);
        typeText(undoIn, "x");
        QTest::keyClick(undoIn, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(QStringList({box->text(), other->text()}), QStringList({"a2", "b2"}));
        QTest::keyClick(undoIn, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(QStringList({box->text(), other->text()}), QStringList({"a1", "b1"}));
        QTest::keyClick(undoIn, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(QStringList({box->text(), other->text()}), QStringList({"a2", "b2"}));
    }
    // A box changed since keeps its text.
    TextBox::replaceAsUser({{box, "a3"}, {other, "b3"}});
    other->setText("b4");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(QStringList({box->text(), other->text()}), QStringList({"a2", "b4"}));
}

class CaretTest : public MappedTextBoxTest {};

TEST_F(CaretTest, ProgramTextKeepsTheCaretWhereTheUserWas) {
    struct Case {
        const char* before;
        int anchor, position;  // equal: no selection
        const char* after;
        int expectedAnchor, expectedPosition;
    };
    const Case cases[] = {
        // A change behind the caret moves it along.
        {" 5°", 1, 1, "5°", 0, 0},
        {"113°05'53.76\"E", 6, 6, "113°5'53.76\"E", 5, 5},
        {"113°15'5.76\"E", 8, 8, "113°15'5\"E", 8, 8},
        // A change in front of the caret leaves it.
        {"113°15'53.76\"E", 2, 2, "113°15'54\"E", 2, 2},
        {"123", 0, 0, "", 0, 0},
        // A caret inside the change goes to the end of the new part.
        {"113°15'53.76\"E", 10, 10, "113°15'54\"E", 9, 9},
        {"abc", 2, 2, "xyz", 3, 3},
        // Both ends of a selection follow the same rule.
        {"53", 0, 2, "54", 0, 2},
        {"53", 2, 0, "54", 2, 0},
        {"113°15'53.76\"W", 14, 13, "113°15'53.76\"E", 14, 13},
        // A pair of surrogates is never split.
        {"x😀y", 3, 3, "x😁y", 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " -> " + c.after);
        box->setText(c.before);
        box->setSelection(c.anchor, c.position - c.anchor);
        box->setText(c.after);
        EXPECT_EQ(box->cursorPosition(), c.expectedPosition);
        const int selected = std::abs(c.expectedPosition - c.expectedAnchor);
        EXPECT_EQ(box->selectedText().size(), selected);
        if (selected) {
            EXPECT_EQ(box->selectionStart(), std::min(c.expectedAnchor, c.expectedPosition));
        }
    }
}

TEST_F(CaretTest, UserKeepsTypingWhereHeWasWhileTheHandlerRewritesTheBox) {
    // Like a handler that drops blanks and leading zeros: nested inside the
    // keystroke, it rewrites the box in front of and behind the caret.
    box->setOnChange([this] {
        QString t = box->text();
        t.remove(u' ');
        while (t.size() > 1 && t.startsWith(u'0') && t[1].isDigit()) t.remove(0, 1);
        box->setText(t);
    });
    box->setText("12°");
    box->setCursorPosition(0);
    QTest::keyClicks(box, " ");
    EXPECT_EQ(box->cursorPosition(), 0);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClicks(box, " 3 4");
    EXPECT_EQ(box->text(), "1234°");
    EXPECT_EQ(box->cursorPosition(), 4);
    box->setText("5°");
    box->setCursorPosition(0);
    QTest::keyClicks(box, "0");
    EXPECT_EQ(box->text(), "5°") << "a leading zero typed in front goes at once";
    EXPECT_EQ(box->cursorPosition(), 0);
    QTest::keyClicks(box, "9");
    EXPECT_EQ(box->text(), "95°");
}

TEST_F(CaretTest, ProgramTextStartsTheUndoHistoryAfresh) {
    QTest::keyClicks(box, "12");
    ASSERT_TRUE(box->isUndoAvailable());
    box->setText("13");
    EXPECT_FALSE(box->isUndoAvailable());
    seen.clear();
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "13");
    EXPECT_TRUE(seen.isEmpty()) << "undo has nothing to do and runs no handler";
}

// The text rules' table of upper-case letters is Qt's, code point by code
// point (tools/casetable writes it); a box applies it to whole characters,
// surrogate pairs included.
TEST(UpperCaseLettersTest, AreQtsUpperCaseOfEveryLowerCaseLetter) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const char32_t expected = QChar::isLower(c) ? QChar::toUpper(c) : c;
        ASSERT_EQ(upperCaseLetter(c), expected) << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_EQ(UpperCaseLetters(QStringLiteral("aß𐐨\xD801z")), QStringLiteral("Aß𐐀\xD801Z"));
}

}  // namespace
}  // namespace quillmark

// The NoticeBox: its layout, its keys, its Ctrl+C text and its modality.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "controls/noticebox.h"
#include "controls/tests/recorder.h"

namespace quillmark {
namespace {

const QString kLongitudeNotice = QStringLiteral("经度参数出错！");

TEST(NoticeBoxLayoutTest, FollowsTheFontWithProductsRoundedHalvesToEven) {
    struct Case {
        int w, h, okWidth;
        QSize text;
        NoticeBoxLayout expected;
    };
    // Side margin 8w/4, top margin 8h/8, gap 10h/8, button 50w/4 (at least the
    // caption + 8) by 14h/8; the button centred under the text.
    const Case cases[] = {
        // 14, 16, 20; 87.5 -> 88, 28. Client 100 + 28 by 16 + 28 + 20 + 32.
        {7, 16, 15, {100, 16}, {{14, 16, 100, 16}, {20, 52, 88, 28}, {128, 96}}},
        // 10, 13, 16.25 -> 16; 62.5 -> 62, 22.75 -> 23. The button is wider
        // than the text: client 62 + 20 by 13 + 23 + 16 + 26.
        {5, 13, 14, {40, 13}, {{10, 13, 40, 13}, {10, 42, 62, 23}, {82, 78}}},
        // 6, 10, 12.5 -> 12; 37.5 -> 38 but "OK" + 8 = 48 wins, 17.5 -> 18.
        {3, 10, 40, {30, 10}, {{6, 10, 30, 10}, {6, 32, 48, 18}, {60, 60}}},
        // 12, 13, 16; 75, 23. (125 - 75) / 2 = 25 for the button's left edge.
        {6, 13, 15, {101, 26}, {{12, 13, 101, 26}, {25, 55, 75, 23}, {125, 91}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "w " << c.w << ", h " << c.h);
        const NoticeBoxLayout got = LayoutNoticeBox(c.w, c.h, c.okWidth, c.text);
        EXPECT_EQ(got.Text, c.expected.Text);
        EXPECT_EQ(got.Button, c.expected.Button);
        EXPECT_EQ(got.Client, c.expected.Client);
    }
}

TEST(NoticeBoxLayoutTest, WrapsTheTextWithinTheGivenWidthAndExpandsTabs) {
    const QFont font = QApplication::font("QMessageBox");
    const QFontMetrics metrics(font);
    const int line = metrics.height();

    // One line, as wide as the text; CJK glyphs may come from a taller font.
    const NoticeBoxLayout shortText = LayoutNoticeBox(font, kLongitudeNotice, 400);
    EXPECT_EQ(shortText.Text.size(), metrics.size(0, kLongitudeNotice));
    EXPECT_EQ(shortText.Text.width(), metrics.horizontalAdvance(kLongitudeNotice));

    const QString words = QStringLiteral("word ").repeated(200).trimmed();
    const NoticeBoxLayout wrapped = LayoutNoticeBox(font, words, 300);
    EXPECT_LE(wrapped.Text.width(), 300);
    EXPECT_GT(wrapped.Text.width(), 300 - metrics.horizontalAdvance(QStringLiteral("word ")));
    EXPECT_GE(wrapped.Text.height(), line * (metrics.horizontalAdvance(words) / 300));
    EXPECT_EQ(wrapped.Text.height() % line, 0) << "whole lines";

    const int tabbed = LayoutNoticeBox(font, QStringLiteral("a\tb"), 400).Text.width();
    EXPECT_GE(tabbed, metrics.horizontalAdvance(QStringLiteral("a")) +
                          metrics.horizontalAdvance(QStringLiteral("b")) +
                          4 * metrics.horizontalAdvance(u' '))
        << "a tab is expanded to the next stop";
}

// Records beeps and clipboard writes instead of making them.
class RecordedCopies {
public:
    RecordedCopies()
        : m_previous(SetCopyServices({[this] { ++beeps; },
                                      [this](const QString& text) {
                                          copied << text;
                                          return clipboardFree;
                                      }})) {}
    ~RecordedCopies() { SetCopyServices(m_previous); }
    RecordedCopies(const RecordedCopies&) = delete;
    RecordedCopies& operator=(const RecordedCopies&) = delete;

    int beeps = 0;
    QStringList copied;
    bool clipboardFree = true;

private:
    CopyServices m_previous;
};

// A window with a text box that has the focus and a button that counts clicks,
// shown and active: what a NoticeBox opens over.
class NoticeBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window.resize(200, 100);
        m_edit = new QLineEdit(&m_window);
        m_button = new QPushButton(QStringLiteral("Go"), &m_window);
        m_button->setGeometry(10, 50, 80, 30);
        QObject::connect(m_button, &QPushButton::clicked, [this] { ++m_clicks; });
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_edit->setFocus(Qt::MouseFocusReason);
    }

    // Runs ShowNotice(text) with `whileUp` called on the box once it is up.
    // A box that `whileUp` leaves open is closed afterwards, as a failure.
    void showNotice(const QString& text, const std::function<void(NoticeBox*)>& whileUp) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<NoticeBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            ran = true;
            // Offscreen, no window manager activates the box.
            QApplication::setActiveWindow(box);
            EXPECT_TRUE(QTest::qWaitForWindowActive(box));
            whileUp(box);
            if (box->isVisible()) {
                ADD_FAILURE() << "the box stayed up";
                box->reject();
            }
        });
        ShowNotice(text);
        EXPECT_TRUE(ran) << "no NoticeBox came up";
    }

    void clickButton() {
        QTest::mouseClick(m_window.windowHandle(), Qt::LeftButton, {},
                          m_button->geometry().center());
    }

    QWidget m_window;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_button = nullptr;
    int m_clicks = 0;
};

TEST_F(NoticeBoxTest, ShowsCaptionTextAndOneDefaultOkButtonInAFixedFrame) {
    showNotice(kLongitudeNotice, [](NoticeBox* box) {
        EXPECT_EQ(box->windowTitle(), "Quillmark V1.0");
        EXPECT_EQ(box->text(), kLongitudeNotice);
        const QList<QPushButton*> buttons = box->findChildren<QPushButton*>();
        ASSERT_EQ(buttons.size(), 1);
        EXPECT_EQ(buttons[0]->text(), "OK");
        EXPECT_TRUE(buttons[0]->isDefault());
        EXPECT_EQ(QApplication::focusWidget(), buttons[0]);
        EXPECT_EQ(box->findChildren<QWidget*>().size(), 2) << "the text and the button, no icon";
        const auto* text = box->findChild<QLabel*>("Text");
        ASSERT_NE(text, nullptr) << "the text, a label for screen readers";
        EXPECT_EQ(text->text(), kLongitudeNotice);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->role(), QAccessible::AlertMessage);
        EXPECT_EQ(box->minimumSize(), box->maximumSize()) << "not resizable";
        const Qt::WindowFlags flags = box->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        box->okButton()->click();
    });
}

TEST_F(NoticeBoxTest, GeometryFollowsTheMessageBoxFontAndTheBoxIsCentred) {
    const QString longText = QStringLiteral("经度参数出错！").repeated(60);
    for (const QString& text : {kLongitudeNotice, longText}) {
        SCOPED_TRACE(text.size());
        showNotice(text, [&](NoticeBox* box) {
            // The font's own numbers, and the products rounded by hand here.
            const QFontMetrics metrics(QApplication::font("QMessageBox"));
            EXPECT_EQ(box->font(), QApplication::font("QMessageBox"));
            const int w = metrics.horizontalAdvance(QStringLiteral(
                              "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                          52;
            const int h = metrics.height();
            const auto nearest = [](double x) { return static_cast<int>(std::nearbyint(x)); };
            const int side = nearest(2.0 * w), top = h, gap = nearest(1.25 * h);
            const int buttonWidth =
                std::max(nearest(12.5 * w), metrics.horizontalAdvance(QStringLiteral("OK")) + 8);
            const int buttonHeight = nearest(1.75 * h);

            const QRect screen = box->screen()->geometry();
            const QSize text = metrics
                                   .boundingRect(QRect(0, 0, screen.width() / 2, 0),
                                                 Qt::TextWordWrap | Qt::TextExpandTabs, box->text())
                                   .size();
            EXPECT_LE(text.width(), screen.width() / 2);
            const QSize client(std::max(text.width(), buttonWidth) + 2 * side,
                               text.height() + buttonHeight + gap + 2 * top);
            EXPECT_EQ(box->size(), client);
            EXPECT_EQ(box->boxLayout().Text, QRect(QPoint(side, top), text));
            EXPECT_EQ(box->okButton()->geometry(),
                      QRect((client.width() - buttonWidth) / 2, top + text.height() + gap,
                            buttonWidth, buttonHeight));

            const QRect outer = box->frameGeometry();
            EXPECT_EQ(outer.left(), screen.left() + (screen.width() - outer.width()) / 2);
            EXPECT_EQ(outer.top(), screen.top() + (screen.height() - outer.height()) / 2);
            box->okButton()->click();
        });
    }
}

TEST_F(NoticeBoxTest, EnterEscAndTheCloseBoxEachCloseIt) {
    struct Case {
        const char* how;
        std::function<void(NoticeBox*)> close;
        QDialog::DialogCode result;
    };
    const Case cases[] = {
        {"Enter", [](NoticeBox* box) { QTest::keyClick(box->windowHandle(), Qt::Key_Return); },
         QDialog::Accepted},
        {"keypad Enter",
         [](NoticeBox* box) {
             QTest::keyClick(box->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
         },
         QDialog::Accepted},
        {"Esc", [](NoticeBox* box) { QTest::keyClick(box->windowHandle(), Qt::Key_Escape); },
         QDialog::Rejected},
        {"close box", [](NoticeBox* box) { box->close(); }, QDialog::Rejected},
        {"OK", [](NoticeBox* box) { QTest::mouseClick(box->okButton(), Qt::LeftButton); },
         QDialog::Accepted},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        showNotice(kLongitudeNotice, [&](NoticeBox* box) {
            c.close(box);
            EXPECT_FALSE(box->isVisible());
            EXPECT_EQ(box->result(), c.result);
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == m_edit; }, 2000))
            << "the focus is back";
    }
}

TEST_F(NoticeBoxTest, CtrlCBeepsAndCopiesTheContentByteForByte) {
    RecordedCopies copies;
    showNotice(kLongitudeNotice, [&](NoticeBox* box) {
        EXPECT_EQ(copies.beeps, 0) << "showing the box makes no sound";
        QTest::keyClick(box->windowHandle(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(box->windowHandle(), Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
        QTest::keyClick(box->windowHandle(), Qt::Key_C);
        EXPECT_EQ(copies.beeps, 0) << "Ctrl must be the only modifier";
        EXPECT_TRUE(copies.copied.isEmpty());
        QTest::keyClick(box->windowHandle(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_TRUE(box->isVisible()) << "copying leaves the box up";
        box->okButton()->click();
    });
    EXPECT_EQ(copies.beeps, 1);
    ASSERT_EQ(copies.copied.size(), 1);
    EXPECT_EQ(copies.copied[0].toUtf8(), QByteArray("---------------------------\r\n"
                                                    "Quillmark V1.0\r\n"
                                                    "---------------------------\r\n"
                                                    "\xE7\xBB\x8F\xE5\xBA\xA6\xE5\x8F\x82"
                                                    "\xE6\x95\xB0\xE5\x87\xBA\xE9\x94\x99"
                                                    "\xEF\xBC\x81\r\n"
                                                    "---------------------------\r\n"
                                                    "OK   \r\n"
                                                    "---------------------------\r\n"));
}

TEST_F(NoticeBoxTest, CtrlCReachesTheSystemClipboard) {
    QApplication::clipboard()->clear();
    showNotice(QStringLiteral("纬度参数出错！"), [](NoticeBox* box) {
        QTest::keyClick(box->windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
    });
    EXPECT_EQ(QApplication::clipboard()->text(),
              MessageBoxClipboardText("Quillmark V1.0", "纬度参数出错！", {"OK"}));
}

TEST_F(NoticeBoxTest, ClipboardThatCannotBeTakenIsReportedAndTheBoxStaysUp) {
    testing::RecordedExceptionBox errors;
    RecordedCopies copies;
    copies.clipboardFree = false;
    showNotice(kLongitudeNotice, [&](NoticeBox* box) {
        QTest::keyClick(box->windowHandle(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(errors.shown, QStringList({"Cannot open clipboard."}));
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), box);
        QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
    });
    EXPECT_EQ(copies.beeps, 1);
}

TEST_F(NoticeBoxTest, TimersRunButTheWindowTakesNoInputWhileItIsUp) {
    QTimer ticker;
    int ticks = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    showNotice(kLongitudeNotice, [&](NoticeBox* box) {
        clickButton();
        QTest::keyClick(m_window.windowHandle(), Qt::Key_X);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000)) << "timers tick";
        EXPECT_EQ(m_clicks, 0);
        EXPECT_EQ(m_edit->text(), "");
        box->okButton()->click();
    });
    clickButton();
    EXPECT_EQ(m_clicks, 1) << "the window takes input again";
}

}  // namespace
}  // namespace quillmark

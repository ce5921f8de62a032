// The main window: its controls, start-up state, tab order and geometry.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QGroupBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "controls/bitmappicture.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "controls/radiobutton.h"
#include "controls/spincontrol.h"
#include "controls/tests/recorder.h"
#include "controls/textbox.h"
#include "controls/webbrowser.h"
#include "gridmap/bitmapimage.h"
#include "gridmap/zoomimage.h"
#include "mainwindow/Unit1.h"
#include "mainwindow/tests/windowin.h"

namespace quillmark {
namespace {

using testing::RecordedExceptionBox;

// One window for the whole suite: creating the browsers is the slow part.
class Form1Test : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        errors = new RecordedExceptionBox;
        form = new TForm1;
        form->show();
        QApplication::setActiveWindow(form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }
    static void TearDownTestSuite() {
        delete form;
        delete errors;
    }

    template <class T = QWidget>
    static T* control(const char* name) {
        auto* found = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static QPoint windowPos(QWidget* widget) { return widget->mapTo(form, QPoint(0, 0)); }

    static inline TForm1* form = nullptr;
    static inline RecordedExceptionBox* errors = nullptr;
};

TEST_F(Form1Test, StartsWithTheLaidOutTextsChecksAndSpinPositions) {
    EXPECT_EQ(form->EditLon->text(), QStringLiteral("113°15'53.76\"E"));
    EXPECT_EQ(form->EditLat->text(), QStringLiteral(" 23° 6'32.02\"N"));
    EXPECT_EQ(form->EditResult->text(), "");
    const TextBox* boxes[] = {form->Edit1, form->Edit2, form->Edit3,
                              form->Edit4, form->Edit5, form->Edit6};
    const SpinControl* spins[] = {form->UpDown1, form->UpDown2, form->UpDown3,
                                  form->UpDown4, form->UpDown5, form->UpDown6};
    const char* numbers[] = {"113", "15", "53", "23", "6", "32"};
    const int maxima[] = {179, 59, 59, 89, 59, 59};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(boxes[i]->text(), numbers[i]);
        EXPECT_EQ(spins[i]->box(), boxes[i]);
        EXPECT_EQ(spins[i]->position(), QString(numbers[i]).toInt());
        EXPECT_EQ(spins[i]->maximum(), maxima[i]);
    }
    EXPECT_FALSE(form->RadioButton3->isChecked());
    EXPECT_TRUE(form->RadioButton4->isChecked());
    EXPECT_TRUE(form->RadioButton1->isChecked());
    EXPECT_FALSE(form->RadioButton2->isChecked());
    EXPECT_EQ(form->RadioButton3->hint(), "W");
    EXPECT_EQ(form->RadioButton4->hint(), "E");
    EXPECT_EQ(form->RadioButton1->hint(), "N");
    EXPECT_EQ(form->RadioButton2->hint(), "S");
    EXPECT_EQ(form->Edit1->typingLimit(), 3);
    EXPECT_EQ(form->Edit2->typingLimit(), 2);
    EXPECT_EQ(form->Edit3->typingLimit(), 2);
    EXPECT_EQ(form->Edit4->typingLimit(), 30) << "so that pasted letters cannot nest without end";
    EXPECT_EQ(form->EditLon->typingLimit(), 30);
    EXPECT_TRUE(form->EditResult->isReadOnly());
    EXPECT_FALSE(form->WebBrowser1->hasPage()) << "an empty browser starts no renderer";
    EXPECT_FALSE(form->WebBrowser2->hasPage());
    EXPECT_TRUE(errors->shown.isEmpty());
}

TEST_F(Form1Test, FocusStartsInEditLonWithItsTextSelected) {
    EXPECT_EQ(QApplication::focusWidget(), form->EditLon);
    EXPECT_EQ(form->EditLon->selectedText(), form->EditLon->text());
}

TEST_F(Form1Test, CaptionsAreExact) {
    struct Case {
        const char* name;
        const char* caption;
    };
    const Case labels[] = {
        {"Label6", "制作：Brellwick"},
        {"Label10", "软件名称：Quillmark"},
        {"Label13", "授权类型：免费 "},
        {"Label14", "版本：V1.0"},
        {"Label15", "本软件不捆绑任何插件"},
        {"Label11", "经度："},
        {"Label12", "纬度："},
        {"Label2", "度:"},
        {"Label3", "分:"},
        {"Label4", "秒:"},
        {"Label7", "度:"},
        {"Label8", "分:"},
        {"Label9", "秒:"},
    };
    for (const Case& c : labels) EXPECT_EQ(control<Label>(c.name)->text(), c.caption) << c.name;
    const Case groups[] = {
        {"GroupBox3", "输入参数："}, {"GroupBox4", "你在全球的QTH(网格位置)："},
        {"GroupBox6", "选择参数："}, {"GroupBox2", "经度："},
        {"GroupBox1", "纬度："},
    };
    for (const Case& c : groups) EXPECT_EQ(control<QGroupBox>(c.name)->title(), c.caption);
    const Case radios[] = {{"RadioButton3", "西经"},
                           {"RadioButton4", "东经"},
                           {"RadioButton1", "北纬"},
                           {"RadioButton2", "南纬"}};
    for (const Case& c : radios) EXPECT_EQ(control<RadioButton>(c.name)->text(), c.caption);
    EXPECT_EQ(form->windowTitle(), "Quillmark V1.0");
    EXPECT_FALSE(form->Label1->text().isEmpty());
}

TEST_F(Form1Test, ControlsSitWhereTheLayoutPutsThem) {
    struct Case {
        const char* name;
        const char* parent;
        QRect window;  // outer rectangle in window coordinates
    };
    const Case cases[] = {
        {"ImgTemp", "Form1", {584, 312, 25, 25}},
        {"Label1", "Form1", {491, 360, 129, 16}},
        {"Label15", "Form1", {472, 379, 140, 13}},
        {"ImgLogo", "Form1", {501, 6, 111, 93}},
        {"Image1", "Form1", {152, 56, 110, 32}},
        {"Panel1", "Form1", {144, 168, 468, 184}},
        {"ImgLocGraph", "Panel1", {146, 170, 464, 180}},
        {"GroupBox3", "Form1", {8, 5, 121, 69}},
        {"EditLon", "GroupBox3", {48, 23, 73, 21}},
        {"EditLat", "GroupBox3", {48, 47, 73, 21}},
        {"EditResult", "GroupBox4", {288, 28, 193, 63}},
        {"GroupBox2", "GroupBox6", {14, 108, 109, 134}},
        {"Edit1", "GroupBox2", {46, 157, 49, 21}},
        {"UpDown1", "GroupBox2", {95, 157, 16, 21}},
        {"RadioButton4", "GroupBox2", {72, 132, 47, 17}},
        {"GroupBox1", "GroupBox6", {13, 252, 109, 134}},
        {"Edit6", "GroupBox1", {46, 355, 49, 21}},
        {"UpDown6", "GroupBox1", {95, 355, 16, 21}},
        {"Panel2", "Form1", {144, 106, 467, 60}},
        {"WebBrowser1", "Panel2", {142, 104, 470, 62}},
        {"Panel3", "Form1", {152, 19, 110, 32}},
        {"WebBrowser2", "Panel3", {150, 17, 117, 35}},
    };
    EXPECT_EQ(form->size(), QSize(619, 398));
    for (const Case& c : cases) {
        QWidget* widget = control(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), c.parent) << c.name;
        EXPECT_EQ(QRect(windowPos(widget), widget->size()), c.window) << c.name;
    }
    EXPECT_FALSE(form->ImgTemp->isVisible());
}

TEST_F(Form1Test, WindowHasAFixedSizeAndNoMaximiseButton) {
    EXPECT_EQ(form->minimumSize(), QSize(619, 398));
    EXPECT_EQ(form->maximumSize(), QSize(619, 398));
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_TRUE(form->windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST(Form1Placement, CentredByItsOuterSizeOnceFramedThenTheUsersToMove) {
    TForm1 window;
    window.Timer1->stop();
    window.Timer2->stop();
    window.showCentred();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    ASSERT_GT(outer.width(), window.width()) << "offscreen windows have a frame too";
    EXPECT_EQ(outer.left(), screen.left() + (screen.width() - outer.width()) / 2);
    EXPECT_EQ(outer.top(), screen.top() + (screen.height() - outer.height()) / 2);
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.move(10, 20);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.pos(), QPoint(10, 20));
}

TEST_F(Form1Test, Panel1ShowsOnePixelOfYellowAroundTheMapView) {
    const QImage panel = form->Panel1->grab().toImage();
    ASSERT_EQ(panel.size(), QSize(468, 184));
    const QColor yellow(255, 255, 0);
    EXPECT_EQ(panel.pixelColor(0, 0), QColor(0, 0, 0)) << "the 1-pixel border";
    EXPECT_EQ(panel.pixelColor(467, 183), QColor(0, 0, 0));
    EXPECT_EQ(panel.pixelColor(1, 1), yellow);
    EXPECT_EQ(panel.pixelColor(466, 182), yellow);
}

TEST_F(Form1Test, MapViewStartsAt200PercentOnACopyOfThePristineMap) {
    TZoomImage* view = form->ImgLocGraph;
    const Bitmap24& pristine = form->ImgTemp->bitmap();
    ASSERT_EQ(pristine.Width(), 638);
    ASSERT_EQ(pristine.Height(), 322);
    EXPECT_TRUE(SamePixels(view->Bitmap(), pristine)) << "no field is marked yet";
    EXPECT_NE(&view->Bitmap(), &pristine);
    EXPECT_EQ(view->ZoomPercent(), 200.0);
    EXPECT_EQ(view->OriginX(), 680);
    EXPECT_EQ(view->OriginY(), 140);
    EXPECT_EQ(view->MaxOriginX(), 814);
    EXPECT_EQ(view->MaxOriginY(), 466);
    EXPECT_EQ(view->Bitmap().Canvas().Pen.Mode, pmNot) << "ready to invert a field";
    EXPECT_EQ(view->focusPolicy(), Qt::ClickFocus) << "a press takes the focus, Tab does not";

    // The view's top-left corner shows map pixel (340, 70), two by two.
    const QImage panel = form->Panel1->grab().toImage();
    const QImage map = toQImage(form->ImgTemp->bitmap());
    for (const QPoint& p : {QPoint(0, 0), QPoint(1, 1), QPoint(463, 179), QPoint(200, 91)}) {
        EXPECT_EQ(panel.pixelColor(p + QPoint(2, 2)),
                  map.pixelColor(340 + p.x() / 2, 70 + p.y() / 2))
            << p.x() << "," << p.y();
    }
}

TEST_F(Form1Test, TabAndShiftTabFollowTheTabOrder) {
    form->RadioButton4->check();
    form->RadioButton1->check();
    QWidget* const order[] = {
        form->EditLon,      form->EditLat,      form->EditResult,  form->Edit1,   form->Edit2,
        form->Edit3,        form->RadioButton4, form->Edit4,       form->Edit5,   form->Edit6,
        form->RadioButton1, form->WebBrowser1,  form->WebBrowser2, form->EditLon,
    };
    const auto focused = [] { return QApplication::focusWidget(); };
    form->EditLon->setFocus(Qt::TabFocusReason);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused(), order[i]) << "Tab to " << qPrintable(order[i]->objectName());
        if (auto* box = qobject_cast<TextBox*>(order[i])) {
            EXPECT_EQ(box->selectedText(), box->text()) << qPrintable(box->objectName());
        }
    }
    form->Edit6->setFocus(Qt::TabFocusReason);
    for (int i = 9; i > 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), order[i - 1])
            << "Shift+Tab to " << qPrintable(order[i - 1]->objectName());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), form->WebBrowser2) << "Shift+Tab from EditLon wraps to the last browser";

    form->EditLat->setFocus(Qt::MouseFocusReason);
    form->RadioButton3->check();
    form->Edit3->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->Edit3, Qt::Key_Tab);
    EXPECT_EQ(focused(), form->RadioButton3) << "the tab stop moves with the check";
    form->RadioButton4->check();
    EXPECT_FALSE(form->WebBrowser1->hasPage()) << "focus alone starts no renderer";
}

TEST_F(Form1Test, ErrorInAHandlerIsShownAndTheSettingHandlerGoesOn) {
    // "5 " in Edit1 becomes the degrees of EditLon, which the integer rule
    // rejects inside EditLonChange, nested in Edit1Change: the box shows the
    // error, the minutes, seconds and letter are not read, and Edit1Change
    // finishes its write.
    errors->shown.clear();
    form->Edit1->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(form->Edit1, "5 ");
    EXPECT_EQ(errors->shown, QStringList({"'5 ' is not a valid integer value."}));
    EXPECT_EQ(form->Edit1->text(), "5 ");
    EXPECT_EQ(form->EditLon->text(), QStringLiteral("5 °15'53.76\"E"));
    EXPECT_EQ(QApplication::focusWidget(), form->Edit1);
    form->Edit1->setText("113");
    EXPECT_EQ(form->EditLon->text(), QStringLiteral("113°15'53.76\"E"));
    EXPECT_EQ(errors->shown.size(), 1);
}

TEST_F(Form1Test, CaptionsFitTheirControls) {
    testing::ExpectCaptionsFit(*form);
    for (TextBox* box : {form->EditLon, form->EditLat}) {
        const QFontMetrics metrics(box->font());
        EXPECT_LE(metrics.horizontalAdvance(box->text()), box->width() - 8)
            << qPrintable(box->objectName()) << " scrolls its start-up text";
    }
    const QFontMetrics result(form->EditResult->font());
    EXPECT_LE(result.horizontalAdvance("OL63PC"), form->EditResult->width() - 8);
    EXPECT_LE(result.height(), form->EditResult->height() - 4);
    const QFontMetrics window(form->font());
    EXPECT_NEAR(window.ascent() + window.descent(), 13, 1) << "the layout's font height";
}

}  // namespace
}  // namespace quillmark

// The locate action: a click on Image1 reads the number boxes and the west and
// south buttons, then shows the locator, marks its field and scrolls the map,
// or reports a bad box or an out-of-range coordinate and changes nothing.
#include <gtest/gtest.h>

#include <memory>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "controls/bitmappicture.h"
#include "controls/label.h"
#include "controls/radiobutton.h"
#include "controls/tests/recorder.h"
#include "controls/textbox.h"
#include "gridmap/bitmapimage.h"
#include "gridmap/zoomimage.h"
#include "mainwindow/Unit1.h"

namespace quillmark {
namespace {

// One axis as the user enters it in the number boxes and buttons.
struct Axis {
    const char* degrees;
    const char* minutes;
    const char* seconds;
    bool westOrSouth;
};

// What a click leaves in the window.
struct Shown {
    QString result;
    Bitmap24 map;
    int originX, originY;
};

// A fresh window per test, shown and active; its boxes record instead of
// opening. Every window is short-lived, so no timer of its own gets to fire.
class LocateTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void enter(const Axis& lon, const Axis& lat) {
        form->Edit1->setText(lon.degrees);
        form->Edit2->setText(lon.minutes);
        form->Edit3->setText(lon.seconds);
        (lon.westOrSouth ? form->RadioButton3 : form->RadioButton4)->check();
        form->Edit4->setText(lat.degrees);
        form->Edit5->setText(lat.minutes);
        form->Edit6->setText(lat.seconds);
        (lat.westOrSouth ? form->RadioButton2 : form->RadioButton1)->check();
        // Whatever the input handlers said about these texts is not the click's.
        errors.shown.clear();
    }

    QPoint inWindow(QWidget* widget, QPoint point) const {
        return widget->mapTo(form.get(), point);
    }

    // A left click on the locate button as the platform delivers it.
    void clickLocate() {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                          inWindow(form->Image1, form->Image1->rect().center()));
    }

    Shown shown() const {
        return {form->EditResult->text(), Bitmap24(form->ImgLocGraph->Bitmap()),
                form->ImgLocGraph->OriginX(), form->ImgLocGraph->OriginY()};
    }

    void expectUnchanged(const Shown& before) const {
        const Shown now = shown();
        EXPECT_EQ(now.result, before.result);
        EXPECT_TRUE(SamePixels(now.map, before.map)) << "the mark moved";
        EXPECT_EQ(now.originX, before.originX);
        EXPECT_EQ(now.originY, before.originY);
    }

    testing::RecordedExceptionBox errors;
    testing::RecordedNoticeBox notices;
    std::unique_ptr<TForm1> form;
};

// The grid map as built into the program, read on its own.
Bitmap24 pristineMap() { return toBitmap24(QImage(QStringLiteral(":/assets/gridmap.png"))); }

Rgb inverse(Rgb c) {
    return {static_cast<std::uint8_t>(255 - c.r), static_cast<std::uint8_t>(255 - c.g),
            static_cast<std::uint8_t>(255 - c.b)};
}

// How many pixels of `marked` differ from `pristine` with exactly `cell`
// inverted.
int wrongPixels(const Bitmap24& marked, const Bitmap24& pristine, const QRect& cell) {
    if (marked.Width() != pristine.Width() || marked.Height() != pristine.Height()) return -1;
    int wrong = 0;
    for (int y = 0; y < pristine.Height(); ++y) {
        for (int x = 0; x < pristine.Width(); ++x) {
            const Rgb p = pristine.Pixel(x, y);
            if (marked.Pixel(x, y) != (cell.contains(x, y) ? inverse(p) : p)) ++wrong;
        }
    }
    return wrong;
}

TEST_F(LocateTest, ShowsTheLocatorMarksTheFieldAndScrollsToIt) {
    struct Case {
        const char* place;
        Axis lon, lat;
        const char* locator;
        QRect cell;  // the field's interior on the 638 x 322 map
        QPoint origin;
    };
    // By hand: lambda = -+(d + m/60 + s/3600) + 0.000001, a = lambda/20 + 9,
    // then the column, tenths and 24ths of a's fraction; the latitude alike
    // with /10. The cell's left edge is 32 col + 31, its top 322 - (16 row + 36),
    // one higher from row 13 (N) up; the origin is 2 (x1 - 90), 2 (y1 - 40),
    // clamped to 0..814 and 0..466.
    const Case cases[] = {
        // The start-up position: a = 14.66324, b = 11.31089.
        {"Guangzhou",
         {"113", "15", "53", false},
         {"23", "6", "32", false},
         "OL63PC",
         {479, 110, 31, 15},
         {778, 140}},
        // a = 6.08092 (G, 0, 0.8092 * 24 = 19.4: T), b = 5.53964 (F, 5, 9.5: J).
        {"Buenos Aires",
         {"58", "22", "54", true},
         {"34", "36", "13", true},
         "GF05TJ",
         {223, 206, 31, 15},
         {266, 332}},
        // a = 0.38500005 (A, 3, 20.4: U), b = 0.5250001 (A, 5, 6.00002: G);
        // the origin (-118, 492) is clamped to the bottom-left corner.
        {"Antarctica",
         {"172", "18", "0", true},
         {"84", "45", "0", true},
         "AA35UG",
         {31, 286, 31, 15},
         {0, 466}},
        // a = 15.44333 (P, 4, 10.4: K), b = 16.16333 (Q, 1, 15.2: P); the
        // origin (842, -22) is clamped to the top-right corner.
        {"Tiksi",
         {"128", "52", "0", false},
         {"71", "38", "0", false},
         "PQ41KP",
         {511, 29, 31, 15},
         {814, 0}},
        // Row N is one pixel taller: a = 5.29971 (F, 2, 23.9: X),
        // b = 13.07128 (N, 0, 17.1: R).
        {"New York",
         {"74", "0", "21", true},
         {"40", "42", "46", false},
         "FN20XR",
         {191, 77, 31, 16},
         {202, 74}},
    };
    const Bitmap24 pristine = pristineMap();
    // One click after another: each leaves only its own field marked.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.place);
        enter(c.lon, c.lat);
        clickLocate();
        EXPECT_EQ(form->EditResult->text(), c.locator);
        EXPECT_EQ(wrongPixels(form->ImgLocGraph->Bitmap(), pristine, c.cell), 0);
        EXPECT_EQ(QPoint(form->ImgLocGraph->OriginX(), form->ImgLocGraph->OriginY()), c.origin);
        EXPECT_TRUE(errors.shown.isEmpty());
        EXPECT_TRUE(notices.shown.isEmpty());

        // On screen the whole marked cell lies inside the view, two by two.
        const QImage view = form->ImgLocGraph->grab().toImage();
        const QRect onScreen(2 * c.cell.left() - c.origin.x(), 2 * c.cell.top() - c.origin.y(),
                             2 * c.cell.width(), 2 * c.cell.height());
        EXPECT_TRUE(view.rect().contains(onScreen));
        for (const QPoint& corner : {onScreen.topLeft(), onScreen.bottomRight()}) {
            const Rgb map =
                inverse(pristine.Pixel(c.cell.left() + (corner.x() - onScreen.left()) / 2,
                                       c.cell.top() + (corner.y() - onScreen.top()) / 2));
            EXPECT_EQ(view.pixelColor(corner), QColor(map.r, map.g, map.b));
        }
    }
}

// The 8-character locator of the same boxes: in the result's tooltip, and
// with the 6-character one in its context menu, which copies either.
TEST_F(LocateTest, TheResultOffersTheEightCharacterLocatorToHoverOverAndToCopy) {
    const auto menuOfResult = [this] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                form->EditResult->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(form->EditResult, &event);
        return form->EditResult->findChild<QMenu*>();
    };
    std::unique_ptr<QMenu> before(menuOfResult());
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(before->actions().mid(0, 2), QList<QAction*>({form->MenuCopy6, form->MenuCopy8}));
    EXPECT_FALSE(form->MenuCopy6->isEnabled() || form->MenuCopy8->isEnabled());
    EXPECT_EQ(form->EditResult->toolTip(), "");
    before.reset();

    struct Case {
        Axis lon, lat;
        const char* six;
        const char* eight;
    };
    const Case cases[] = {
        {{"113", "15", "53", false}, {"23", "6", "32", false}, "OL63PC", "OL63PC16"},
        {{"74", "0", "21", true}, {"40", "42", "46", false}, "FN20XR", "FN20XR91"},
        {{"179", "59", "59", false}, {"89", "59", "59", false}, "RR99XX", "RR99XX99"},
        {{"180", "0", "0", true}, {"90", "0", "0", true}, "AA00AA", "AA00AA00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.six);
        enter(c.lon, c.lat);
        clickLocate();
        EXPECT_EQ(form->EditResult->text(), c.six);
        EXPECT_EQ(form->EditResult->toolTip(), c.eight);
        std::unique_ptr<QMenu> menu(menuOfResult());
        ASSERT_NE(menu, nullptr);
        for (QAction* item : {form->MenuCopy8, form->MenuCopy6}) {
            ASSERT_TRUE(menu->actions().contains(item) && item->isEnabled());
            item->trigger();
            EXPECT_EQ(QApplication::clipboard()->text(), item == form->MenuCopy6 ? c.six : c.eight);
        }
    }
    // A click that fails changes neither.
    enter({"1", "0", "0", false}, {"91", "0", "0", false});
    clickLocate();
    EXPECT_EQ(form->EditResult->toolTip(), "AA00AA00");
}

TEST_F(LocateTest, SameFieldTwiceStaysMarkedOnceAndThePristineMapNeverChanges) {
    const QRect startUpCell(479, 110, 31, 15);
    const Bitmap24 pristine = pristineMap();
    clickLocate();
    clickLocate();
    EXPECT_EQ(form->EditResult->text(), "OL63PC");
    EXPECT_EQ(wrongPixels(form->ImgLocGraph->Bitmap(), pristine, startUpCell), 0)
        << "a second mark would invert the cell back";

    for (int i = 0; i < 20; ++i) {
        enter({"58", "22", "54", true}, {"34", "36", "13", true});
        clickLocate();
        enter({"113", "15", "53", false}, {"23", "6", "32", false});
        clickLocate();
    }
    EXPECT_TRUE(SamePixels(form->ImgTemp->bitmap(), pristine));
    EXPECT_EQ(wrongPixels(form->ImgLocGraph->Bitmap(), pristine, startUpCell), 0);
    EXPECT_NE(&form->ImgTemp->bitmap(), &form->ImgLocGraph->Bitmap());
}

TEST_F(LocateTest, ABoxThatHoldsNoIntegerIsReportedAndNothingChanges) {
    struct Case {
        const char* what;
        Axis lon, lat;
        const char* error;
    };
    const Case cases[] = {
        {"Edit1 empty",
         {"", "15", "53", false},
         {"23", "6", "32", false},
         "'' is not a valid integer value."},
        {"the first bad box is quoted",
         {"113", "x", "53", false},
         {"23", "y", "32", false},
         "'x' is not a valid integer value."},
        {"the text is not trimmed",
         {"113", "15", "53", false},
         {"23", "6", "32 ", false},
         "'32 ' is not a valid integer value."},
        {"full-width digits are no digits",
         {"113", "15", "53", false},
         {"２３", "6", "32", false},
         "'２３' is not a valid integer value."},
        {"conversion comes before the range",
         {"181", "0", "0", false},
         {"23", "y", "32", false},
         "'y' is not a valid integer value."},
    };
    // After an earlier success somewhere else than at start-up.
    enter({"58", "22", "54", true}, {"34", "36", "13", true});
    clickLocate();
    ASSERT_EQ(form->EditResult->text(), "GF05TJ");
    const Shown before = shown();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        enter(c.lon, c.lat);
        clickLocate();
        EXPECT_EQ(errors.shown, QStringList({c.error}));
        EXPECT_TRUE(notices.shown.isEmpty());
        expectUnchanged(before);
    }
}

TEST_F(LocateTest, ACoordinateOutOfRangeGivesItsNoticeAndNothingChanges) {
    const QString longitude = QStringLiteral("经度参数出错！");
    const QString latitude = QStringLiteral("纬度参数出错！");
    struct Case {
        const char* what;
        Axis lon, lat;
        QString notice;
    };
    const Case cases[] = {
        {"180 E", {"180", "0", "0", false}, {"0", "0", "0", false}, longitude},
        {"minutes that add up past 180 W",
         {"179", "60", "1", true},
         {"0", "0", "0", false},
         longitude},
        {"90 N", {"0", "0", "0", false}, {"90", "0", "0", false}, latitude},
        {"89 S with 3601 seconds", {"0", "0", "0", false}, {"89", "0", "3601", true}, latitude},
        {"both: the longitude is judged first",
         {"181", "0", "0", false},
         {"91", "0", "0", false},
         longitude},
    };
    enter({"128", "52", "0", false}, {"71", "38", "0", false});
    clickLocate();
    ASSERT_EQ(form->EditResult->text(), "PQ41KP");
    const Shown before = shown();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        notices.shown.clear();
        enter(c.lon, c.lat);
        clickLocate();
        EXPECT_EQ(notices.shown, QStringList({c.notice}));
        EXPECT_TRUE(errors.shown.isEmpty());
        expectUnchanged(before);
    }
}

TEST_F(LocateTest, ScrollsAtTheCurrentZoomAfterTheUserDraggedAndZoomed) {
    TZoomImage* view = form->ImgLocGraph;
    const auto send = [view](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    };
    send(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    send(QEvent::MouseMove, {60, 80}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {60, 80}, Qt::NoButton);
    ASSERT_EQ(QPoint(view->OriginX(), view->OriginY()), QPoint(720, 160));
    const QPoint centre = view->rect().center();
    QWheelEvent towardsUser(centre, view->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &towardsUser);
    ASSERT_EQ(view->ZoomPercent(), 216.0);

    clickLocate();
    EXPECT_EQ(form->EditResult->text(), "OL63PC");
    // (479 - 90) * 2.16 = 840.24 and (110 - 40) * 2.16 = 151.2, within the
    // limits 916 and 517 of the 216 % view.
    EXPECT_EQ(QPoint(view->OriginX(), view->OriginY()), QPoint(840, 151));
    EXPECT_EQ(view->ZoomPercent(), 216.0);
}

TEST_F(LocateTest, ReturnOrEnterInAnyInputBoxLocatesAsAClickDoes) {
    TextBox* const boxes[] = {form->EditLon, form->EditLat, form->Edit1, form->Edit2,
                              form->Edit3,   form->Edit4,   form->Edit5, form->Edit6};
    const QPair<Qt::Key, Qt::KeyboardModifier> keys[] = {{Qt::Key_Return, Qt::NoModifier},
                                                         {Qt::Key_Enter, Qt::KeypadModifier}};
    for (TextBox* box : boxes) {
        for (const auto& [key, modifier] : keys) {
            SCOPED_TRACE(box->objectName().toStdString() + (key == Qt::Key_Enter ? " Enter" : ""));
            enter({"58", "22", "54", true}, {"34", "36", "13", true});
            form->EditResult->setText("");
            box->setFocus(Qt::TabFocusReason);
            const QString text = box->text();
            QTest::keyClick(box, key, modifier);
            EXPECT_EQ(form->EditResult->text(), "GF05TJ");
            EXPECT_EQ(box->text(), text);
            EXPECT_EQ(QApplication::focusWidget(), box);
        }
    }
    // As a click: the first bad box is quoted, a range error noticed.
    enter({"113", "x", "53", false}, {"91", "6", "32", false});
    QTest::keyClick(form->Edit6, Qt::Key_Return);
    EXPECT_EQ(errors.shown, QStringList({"'x' is not a valid integer value."}));
    enter({"113", "15", "53", false}, {"91", "6", "32", false});
    QTest::keyClick(form->EditLat, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(notices.shown, QStringList({QStringLiteral("纬度参数出错！")}));
    // Nowhere else.
    form->EditResult->setText("");
    enter({"113", "15", "53", false}, {"23", "6", "32", false});
    for (QWidget* other :
         {static_cast<QWidget*>(form->EditResult), static_cast<QWidget*>(form->RadioButton4)}) {
        other->setFocus(Qt::TabFocusReason);
        QTest::keyClick(other, Qt::Key_Return);
    }
    EXPECT_EQ(form->EditResult->text(), "");
}

TEST_F(LocateTest, ADoubleClickRunsOnceAndAPressReleasedOutsideRunsNothing) {
    // Out of range, so that every run of the action leaves a notice.
    enter({"181", "0", "0", false}, {"0", "0", "0", false});
    form->Edit3->setFocus(Qt::MouseFocusReason);
    QWindow* window = form->windowHandle();
    const QPoint button = inWindow(form->Image1, form->Image1->rect().center());

    QTest::mouseDClick(window, Qt::LeftButton, {}, button);
    EXPECT_EQ(notices.shown.size(), 1) << "a double click";

    QTest::mousePress(window, Qt::LeftButton, {}, button);
    QTest::mouseRelease(window, Qt::LeftButton, {},
                        inWindow(form->Image1, form->Image1->rect().bottomRight() + QPoint(5, 5)));
    EXPECT_EQ(notices.shown.size(), 1) << "released outside the button";

    QTest::mouseClick(window, Qt::RightButton, {}, button);
    EXPECT_EQ(notices.shown.size(), 1) << "the right button";

    clickLocate();
    EXPECT_EQ(notices.shown.size(), 2) << "a plain click";
    EXPECT_EQ(QApplication::focusWidget(), form->Edit3) << "the button takes no focus";
}

}  // namespace
}  // namespace quillmark

#include "gridmap/zoomimage.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "gridmap/bitmapimage.h"
#include "gridmap/gridgeometry.h"
#include "testmaps.h"

namespace {

using quillmark::Bitmap24;
using quillmark::Rgb;

QColor ToColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Counts the paint events the view receives.
class CountingZoomImage : public TZoomImage {
public:
    using TZoomImage::TZoomImage;
    int paintEvents = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paintEvents;
        TZoomImage::paintEvent(event);
    }
};

// Records the key presses that reach it.
class KeyRecorder : public QWidget {
public:
    int keyPresses = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        ++keyPresses;
        QWidget::keyPressEvent(event);
    }
};

// The map view placed and set up as in the main window, next to a line edit
// that holds the focus at first.
class ZoomImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<KeyRecorder>();
        window->resize(600, 260);
        edit = new QLineEdit(window.get());
        edit->setGeometry(10, 200, 100, 24);
        view = new CountingZoomImage(window.get());
        view->setObjectName("ImgLocGraph");
        view->setGeometry(1, 1, 464, 180);
        view->setBorderStyle(quillmark::bsNone);
        view->setCenter(false);
        view->Bitmap().Assign(map);
        view->setZoomPercent(200);
        view->setOriginX(680);
        view->setOriginY(140);
        view->RefreshView();
        view->Bitmap().Canvas().Pen.Mode = quillmark::pmNot;
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        edit->setFocus();
        QApplication::processEvents();
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(view->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }
    void wheel(int delta) {
        const QPointF at(100, 50);
        QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &event);
    }
    void key(QEvent::Type type, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(type, code, modifiers);
        QApplication::sendEvent(view, &event);
    }
    QPoint origin() const { return {view->OriginX(), view->OriginY()}; }
    QColor screenPixel(int x, int y) const { return view->grab().toImage().pixelColor(x, y); }

    const Bitmap24 map = quillmark::testing::MakeGridMap();
    std::unique_ptr<KeyRecorder> window;
    QLineEdit* edit = nullptr;
    CountingZoomImage* view = nullptr;
};

TEST_F(ZoomImageTest, LeftDragFollowsThePointerAlsoOutsideTheView) {
    mouse(QEvent::MouseButtonPress, {100, 50}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(view->cursor().shape(), Qt::ClosedHandCursor);
    struct Step {
        QPoint pointer, origin;
    };
    const Step steps[] = {
        {{60, 30}, {720, 160}},
        {{-600, -400}, {814, 466}},  // far outside: held at the limits
        {{100, 50}, {680, 140}},     // back inside: follows again at once
        {{120, 700}, {660, 0}},
    };
    for (const Step& s : steps) {
        const int paints = view->paintEvents;
        mouse(QEvent::MouseMove, s.pointer, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(origin(), s.origin);
        EXPECT_EQ(view->paintEvents, paints + 1) << "the move paints before it returns";
    }
    mouse(QEvent::MouseButtonRelease, {90, 45}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(origin(), QPoint(690, 145));
    EXPECT_EQ(view->cursor().shape(), Qt::PointingHandCursor);
    mouse(QEvent::MouseMove, {0, 0}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(origin(), QPoint(690, 145));
}

TEST_F(ZoomImageTest, RightAndMiddleDragsChangeNothing) {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        mouse(QEvent::MouseButtonPress, {100, 50}, button, button);
        mouse(QEvent::MouseMove, {20, 10}, Qt::NoButton, button);
        mouse(QEvent::MouseButtonRelease, {20, 10}, button, Qt::NoButton);
        EXPECT_EQ(origin(), QPoint(680, 140));
        EXPECT_EQ(view->cursor().shape(), Qt::PointingHandCursor);
    }
}

TEST_F(ZoomImageTest, SmallImageKeepsThePointingHand) {
    view->setZoomPercent(50);
    mouse(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(view->cursor().shape(), Qt::PointingHandCursor);
    mouse(QEvent::MouseMove, {-50, -50}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(origin(), QPoint(0, 0));
}

TEST_F(ZoomImageTest, KeyReleaseWithoutShiftRestoresTheCursorDuringADrag) {
    mouse(QEvent::MouseButtonPress, {100, 50}, Qt::LeftButton, Qt::LeftButton);
    key(QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(view->cursor().shape(), Qt::ClosedHandCursor);
    key(QEvent::KeyRelease, Qt::Key_A);
    EXPECT_EQ(view->cursor().shape(), Qt::PointingHandCursor);
    mouse(QEvent::MouseMove, {90, 50}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(origin(), QPoint(690, 140));
}

TEST_F(ZoomImageTest, WheelZoomsOneStepPerNotch) {
    struct Case {
        const char* what;
        std::vector<int> deltas;
        double zoom;
    };
    const Case cases[] = {
        {"away from the user zooms out", {120}, 184},
        {"towards the user zooms in", {-120}, 216},
        {"two notches in one event", {-240}, 233},
        {"a third of a notch does nothing", {-40}, 200},
        {"three thirds make a notch", {-40, -40, -40}, 216},
        {"a touchpad burst of two and a half notches", std::vector<int>(30, -10), 233},
        {"turning back drops the gathered part", {-60, 60, 60}, 184},
        {"a zero rotation does nothing", {0}, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        for (const int delta : c.deltas) wheel(delta);
        EXPECT_EQ(view->ZoomPercent(), c.zoom);
    }
}

TEST_F(ZoomImageTest, WheelKeepsTheCentre) {
    const int paints = view->paintEvents;
    wheel(-120);
    EXPECT_EQ(view->ZoomPercent(), 216);
    EXPECT_EQ(origin(), QPoint(752, 158));
    EXPECT_EQ(view->paintEvents, paints + 1);
}

TEST_F(ZoomImageTest, PressTakesTheFocusAndArrowKeysKeepIt) {
    ASSERT_TRUE(edit->hasFocus());
    QTest::mouseClick(view, Qt::RightButton, Qt::NoModifier, QPoint(100, 50));
    EXPECT_TRUE(view->hasFocus());
    for (const int code : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
        QTest::keyClick(view, static_cast<Qt::Key>(code));
        EXPECT_TRUE(view->hasFocus());
    }
    EXPECT_EQ(window->keyPresses, 0);
    EXPECT_EQ(origin(), QPoint(680, 140));
    EXPECT_EQ(view->ZoomPercent(), 200);
}

TEST_F(ZoomImageTest, ShowsTheMapOneToOneAnd2x2At200Percent) {
    EXPECT_EQ(view->MaxOriginX(), 814);
    EXPECT_EQ(view->MaxOriginY(), 466);
    const QImage screen = view->grab().toImage();
    ASSERT_EQ(screen.size(), QSize(464, 180));
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(463, 179), QPoint(100, 31)}) {
        EXPECT_EQ(screen.pixelColor(p), ToColor(map.Pixel((680 + p.x()) / 2, (140 + p.y()) / 2)))
            << p.x() << "," << p.y();
    }
}

TEST_F(ZoomImageTest, ScaledScreensShowSharpPixelBlocks) {
    QImage screen(696, 270, QImage::Format_RGB32);
    screen.setDevicePixelRatio(1.5);
    view->render(&screen);
    int blended = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            const QColor c = screen.pixelColor(x, y);
            blended += !quillmark::testing::IsGridMapColor(
                Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                    static_cast<std::uint8_t>(c.blue())});
        }
    }
    EXPECT_EQ(blended, 0);
}

TEST_F(ZoomImageTest, DrawingShowsAfterRefreshViewFromTheEventLoop) {
    const QColor before = screenPixel(0, 0);
    view->Bitmap().Canvas().Rectangle(340, 70, 345, 75);
    view->update();
    QApplication::processEvents();
    EXPECT_EQ(screenPixel(0, 0), before);

    const int paints = view->paintEvents;
    view->RefreshView();
    EXPECT_EQ(view->paintEvents, paints);
    QApplication::processEvents();
    EXPECT_GT(view->paintEvents, paints);
    EXPECT_EQ(screenPixel(0, 0), ToColor(quillmark::testing::Inverted(map.Pixel(340, 70))));
}

TEST_F(ZoomImageTest, HighlightFieldMarksTheCellOnScreen) {
    quillmark::HighlightField(*view, map, {14, 11});
    QApplication::processEvents();
    EXPECT_EQ(origin(), QPoint(778, 140));
    // Cell (479, 110)-(510, 125) at 200 % from (778, 140): client (180, 80)-(242, 110).
    const QImage screen = view->grab().toImage();
    const Rgb cell = quillmark::testing::CellColor(14, 11);
    EXPECT_EQ(screen.pixelColor(180, 80), ToColor(quillmark::testing::Inverted(cell)));
    EXPECT_EQ(screen.pixelColor(241, 109), ToColor(quillmark::testing::Inverted(cell)));
    EXPECT_EQ(screen.pixelColor(179, 80), ToColor(quillmark::testing::kMapBackground));
    EXPECT_EQ(screen.pixelColor(242, 109), ToColor(quillmark::testing::kMapBackground));
    EXPECT_TRUE(quillmark::SamePixels(map, quillmark::testing::MakeGridMap()));
}

TEST_F(ZoomImageTest, ImagesConvertBothWays) {
    const QImage image = quillmark::toQImage(map);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_TRUE(quillmark::SamePixels(quillmark::toBitmap24(image), map));
    const QImage rgb32 = image.convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(quillmark::SamePixels(quillmark::toBitmap24(rgb32), map));
    EXPECT_EQ(quillmark::toBitmap24(QImage()).Width(), 0);

    // The window's format, with rows repeated in pairs as a zoomed view has
    // them and a last row that differs only in its last pixel.
    quillmark::Bitmap24 zoomed(7, 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            zoomed.SetPixel(x, y, map.Pixel(x * 50, (y / 2) * 90));
        }
    }
    zoomed.SetPixel(6, 4, Rgb{1, 2, 3});
    QImage frame;
    const quillmark::Bitmap24* const bitmaps[] = {&map, &zoomed, &zoomed};
    for (const quillmark::Bitmap24* bitmap : bitmaps) {
        const uchar* reused = frame.constBits();
        const bool sameSize = frame.size() == QSize(bitmap->Width(), bitmap->Height());
        quillmark::copyToRgb32(*bitmap, frame);
        EXPECT_EQ(frame.format(), QImage::Format_RGB32);
        EXPECT_EQ(frame, quillmark::toQImage(*bitmap).convertToFormat(QImage::Format_RGB32));
        if (sameSize) {
            EXPECT_EQ(frame.constBits(), reused) << "the frame's memory is reused";
        }
    }
    quillmark::copyToRgb32(quillmark::Bitmap24(), frame);
    EXPECT_EQ(frame.size(), QSize(0, 0));
}

}  // namespace

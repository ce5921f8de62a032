#include "gridmap/zoomviewcore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "testmaps.h"

namespace quillmark {
namespace {

using testing::MakeGridMap;
using testing::MakePositionBitmap;
using testing::MapView;
using testing::Position;
using testing::SourceOf;

constexpr Rgb kMagenta{255, 0, 255};  // no pixel of a position bitmap has this colour

const Bitmap24& PositionMap() {
    static const Bitmap24 map = MakePositionBitmap(638, 322);
    return map;
}

// Client columns (rows) that show only the background.
std::vector<int> BackgroundColumns(const Bitmap24& buffer, Rgb background) {
    std::vector<int> columns;
    for (int x = 0; x < buffer.Width(); ++x) {
        bool all = true;
        for (int y = 0; y < buffer.Height() && all; ++y) all = buffer.Pixel(x, y) == background;
        if (all) columns.push_back(x);
    }
    return columns;
}

std::vector<int> BackgroundRows(const Bitmap24& buffer, Rgb background) {
    std::vector<int> rows;
    for (int y = 0; y < buffer.Height(); ++y) {
        bool all = true;
        for (int x = 0; x < buffer.Width() && all; ++x) all = buffer.Pixel(x, y) == background;
        if (all) rows.push_back(y);
    }
    return rows;
}

TEST(ZoomViewLimits, FollowTheSizeOfTheZoomedImage) {
    struct Case {
        const char* what;
        int width, height;
        double zoom;
        TBorderStyle border;
        int maxX, maxY;
    };
    const Case cases[] = {
        {"the map at 200 %: one zoomed pixel past each edge", 638, 322, 200, bsNone, 814, 466},
        {"the map at 73 %: the height brings the extra pixel", 638, 322, 73, bsNone, 2, 55},
        {"the map at 184 %", 638, 322, 184, bsNone, 711, 414},
        {"the map at 100 %", 638, 322, 100, bsNone, 175, 143},
        {"the map at 50 %: smaller than the client", 638, 322, 50, bsNone, 0, 0},
        {"within 10 pixels: no extra pixel", 470, 100, 100, bsNone, 6, 0},
        {"excess below one zoomed pixel counts as none", 310, 100, 150, bsNone, 0, 0},
        {"excess of two zoomed pixels", 311, 100, 150, bsNone, 2, 0},
        {"no larger than the control with its frame", 466, 100, 100, bsSingle, 0, 0},
        {"larger than the client without a frame", 466, 100, 100, bsNone, 2, 0},
        {"empty bitmap", 0, 0, 200, bsNone, 0, 0},
        {"no height", 638, 0, 200, bsNone, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZoomViewCore view;
        view.setBorderStyle(c.border);
        view.setControlSize(c.border == bsSingle ? 468 : 464, c.border == bsSingle ? 184 : 180);
        ASSERT_EQ(view.ClientWidth(), 464);
        view.Bitmap().Assign(Bitmap24(c.width, c.height));
        view.RefreshView();
        view.setZoomPercent(c.zoom);
        EXPECT_EQ(view.MaxOriginX(), c.maxX);
        EXPECT_EQ(view.MaxOriginY(), c.maxY);
    }
}

TEST(ZoomViewOrigin, ClampsSilentlyAndRepaintsOnlyOnChange) {
    struct Case {
        bool horizontal;
        int from, to, expected;
    };
    const Case cases[] = {
        {true, 680, 970, 814}, {true, 680, -118, 0},   {false, 140, 492, 466},
        {false, 140, -54, 0},  {true, 0, 680, 680},    {false, 0, 140, 140},
        {true, 814, 814, 814}, {true, 814, 2000, 814}, {false, 0, -7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << (c.horizontal ? "x " : "y ") << c.from << " -> " << c.to);
        MapView map(PositionMap(), 200, c.horizontal ? c.from : 0, c.horizontal ? 0 : c.from);
        const int paints = map.host.paints;
        if (c.horizontal) {
            map.view.setOriginX(c.to);
        } else {
            map.view.setOriginY(c.to);
        }
        EXPECT_EQ(c.horizontal ? map.view.OriginX() : map.view.OriginY(), c.expected);
        EXPECT_EQ(map.host.paints - paints, c.expected == c.from ? 0 : 1);
    }
}

TEST(ZoomViewOrigin, ChangePaintsInsideTheCallRefreshPaintsLater) {
    MapView map(PositionMap());
    map.view.paint();
    const int requests = map.host.repaintRequests;

    map.view.setOriginX(700);
    EXPECT_EQ(map.host.paints, 1);
    EXPECT_EQ(SourceOf(map.view.backBuffer().Pixel(0, 0)), (Position{350, 70}));

    map.view.setOrigin(720, 150);
    map.view.setOrigin(720, 150);
    EXPECT_EQ(map.host.paints, 2);
    EXPECT_EQ(SourceOf(map.view.backBuffer().Pixel(0, 0)), (Position{360, 75}));

    map.view.RefreshView();
    EXPECT_EQ(map.host.paints, 2);
    EXPECT_EQ(map.host.repaintRequests, requests + 1);
}

TEST(ZoomViewRender, ShowsEachBitmapPixelAsA2x2BlockAt200Percent) {
    MapView map(PositionMap());
    const Bitmap24& buffer = *map.view.paint();
    ASSERT_EQ(buffer.Width(), 464);
    ASSERT_EQ(buffer.Height(), 180);
    EXPECT_EQ(SourceOf(buffer.Pixel(0, 0)), (Position{340, 70}));
    for (int y = 0; y < 180; ++y) {
        for (int x = 0; x < 464; ++x) {
            ASSERT_EQ(SourceOf(buffer.Pixel(x, y)), (Position{340 + x / 2, 70 + y / 2}))
                << x << "," << y;
        }
    }
}

TEST(ZoomViewRender, OddOriginDrawsLikeTheEvenOneBelow) {
    MapView even(PositionMap(), 200, 680, 140);
    MapView odd(PositionMap(), 200, 681, 141);
    EXPECT_EQ(odd.view.OriginX(), 681);
    EXPECT_EQ(odd.view.OriginY(), 141);
    EXPECT_TRUE(SamePixels(*even.view.paint(), *odd.view.paint()));
}

TEST(ZoomViewRender, BackgroundShowsOnlyPastTheImageAtTheLimits) {
    struct Case {
        int x, y;
        std::vector<int> columns, rows;
    };
    const Case cases[] = {
        {814, 466, {462, 463}, {178, 179}},
        {813, 465, {}, {}},
        {814, 0, {462, 463}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        MapView map(PositionMap(), 200, c.x, c.y);
        map.view.setBackground(kMagenta);
        const Bitmap24& buffer = *map.view.paint();
        EXPECT_EQ(BackgroundColumns(buffer, kMagenta), c.columns);
        EXPECT_EQ(BackgroundRows(buffer, kMagenta), c.rows);
        if (!c.columns.empty()) {
            EXPECT_EQ(SourceOf(buffer.Pixel(461, 0)).x, 637);
        }
    }
}

TEST(ZoomViewRender, ShrunkMapAt73PercentReachesTheLastPixelAtTheLimits) {
    MapView map(PositionMap(), 73, 5000, 5000);
    EXPECT_EQ(map.view.OriginX(), 2);
    EXPECT_EQ(map.view.OriginY(), 55);
    const Bitmap24& buffer = *map.view.paint();
    EXPECT_EQ(SourceOf(buffer.Pixel(0, 0)), (Position{3, 76}));
    EXPECT_EQ(SourceOf(buffer.Pixel(463, 179)), (Position{637, 321}));
    for (int x = 1; x < 464; ++x) {
        const int step = SourceOf(buffer.Pixel(x, 0)).x - SourceOf(buffer.Pixel(x - 1, 0)).x;
        ASSERT_TRUE(step == 1 || step == 2) << x;
    }
}

TEST(ZoomViewRender, SmallImageSitsTopLeftOrCentredOnTheBackground) {
    for (const bool center : {false, true}) {
        SCOPED_TRACE(center ? "centred" : "top left");
        MapView map(PositionMap(), 50, 0, 0);
        map.view.setBackground(kMagenta);
        map.view.setCenter(center);
        const Bitmap24& buffer = *map.view.paint();
        const int left = center ? (464 - 319) / 2 : 0;
        const int top = center ? (180 - 161) / 2 : 0;
        EXPECT_EQ(SourceOf(buffer.Pixel(left, top)), (Position{0, 0}));
        EXPECT_EQ(SourceOf(buffer.Pixel(left + 318, top + 160)), (Position{636, 320}));
        EXPECT_EQ(buffer.Pixel(left + 319, top), kMagenta);
        EXPECT_EQ(buffer.Pixel(left, top + 161), kMagenta);
        if (center) {
            EXPECT_EQ(buffer.Pixel(left - 1, top), kMagenta);
        }
    }
}

TEST(ZoomViewRender, DrawingShowsOnlyAfterRefreshView) {
    MapView map(PositionMap());
    const Bitmap24 before = *map.view.paint();
    map.view.Bitmap().Canvas().Rectangle(340, 70, 400, 100);
    EXPECT_TRUE(SamePixels(*map.view.paint(), before));
    map.view.RefreshView();
    const Bitmap24& after = *map.view.paint();
    EXPECT_EQ(after.Pixel(0, 0), testing::Inverted(before.Pixel(0, 0)));
    EXPECT_EQ(after.Pixel(120, 60), before.Pixel(120, 60));
}

TEST(ZoomViewRender, EmptyBitmapShowsTheBackground) {
    ZoomViewCore view;
    view.setControlSize(30, 20);
    view.setBackground(kMagenta);
    view.setZoomPercent(250);
    view.setOriginX(40);
    EXPECT_EQ(view.OriginX(), 0);
    const Bitmap24& buffer = *view.paint();
    EXPECT_EQ(BackgroundColumns(buffer, kMagenta).size(), 26u);
}

TEST(ZoomViewRender, PaintLockHoldsBackThePicture) {
    MapView map(PositionMap());
    map.view.lockPaint();
    map.view.setOriginX(700);
    EXPECT_EQ(map.host.paints, 0);
    EXPECT_EQ(map.view.paint(), nullptr);
    const int requests = map.host.repaintRequests;
    map.view.unlockPaint(true);
    EXPECT_EQ(map.host.repaintRequests, requests + 1);
    EXPECT_EQ(SourceOf(map.view.paint()->Pixel(0, 0)), (Position{350, 70}));
}

TEST(ZoomViewRefresh, LowersOriginsForASmallerBitmapAndNeverRaisesThem) {
    MapView map(PositionMap(), 200, 800, 400);
    map.view.Bitmap().Assign(Bitmap24(400, 200));
    EXPECT_EQ(map.view.OriginX(), 800);
    map.view.RefreshView();
    EXPECT_EQ(map.view.OriginX(), 338);  // (401 * 2) - 464
    EXPECT_EQ(map.view.OriginY(), 222);  // (201 * 2) - 180
    map.view.Bitmap().Assign(PositionMap());
    map.view.RefreshView();
    EXPECT_EQ(map.view.OriginX(), 338);
    EXPECT_EQ(map.view.OriginY(), 222);
}

TEST(ZoomViewZoom, IgnoresValuesItCannotTake) {
    const double ignored[] = {0, -5, 200, std::numeric_limits<double>::quiet_NaN()};
    for (const double zoom : ignored) {
        SCOPED_TRACE(zoom);
        MapView map(PositionMap());
        map.view.setZoomPercent(zoom);
        EXPECT_EQ(map.view.ZoomPercent(), 200);
        EXPECT_EQ(map.view.OriginX(), 680);
        EXPECT_EQ(map.host.paints, 0);
    }
}

TEST(ZoomViewZoom, WheelStepsFrom200Percent) {
    struct Case {
        int rotation;
        std::vector<double> zooms;
    };
    const Case cases[] = {
        {120, {184, 169, 155, 143, 132, 121, 111, 102, 94, 86, 79, 73, 67}},
        {-120, {216, 233, 252, 272, 294, 318, 343, 370, 400}},
        {1, {184}},
        {-3, {216}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rotation);
        MapView map(PositionMap());
        std::vector<double> seen;
        for (std::size_t i = 0; i < c.zooms.size(); ++i) {
            map.view.wheel(c.rotation);
            seen.push_back(map.view.ZoomPercent());
        }
        EXPECT_EQ(seen, c.zooms);
        EXPECT_EQ(map.host.paints, static_cast<int>(c.zooms.size()));
    }
}

TEST(ZoomViewZoom, KeepsTheCentreWithinTheLimitsOfTheOldZoom) {
    struct Case {
        int x, y, rotation;
        double zoom;
        int newX, newY;
    };
    const Case cases[] = {
        {680, 140, -120, 216, 752, 158},
        {814, 466, -120, 216, 814, 466},
        {814, 466, 120, 184, 711, 414},
        {0, 0, 120, 184, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y << " " << c.rotation);
        MapView map(PositionMap(), 200, c.x, c.y);
        map.view.wheel(c.rotation);
        EXPECT_EQ(map.view.ZoomPercent(), c.zoom);
        EXPECT_EQ(map.view.OriginX(), c.newX);
        EXPECT_EQ(map.view.OriginY(), c.newY);
    }
}

TEST(ZoomViewZoom, StopsAtBothEnds) {
    MapView map(PositionMap());
    for (int i = 0; i < 100; ++i) map.view.wheel(120);
    EXPECT_EQ(map.view.ZoomPercent(), 1);
    EXPECT_EQ(map.view.MaxOriginX(), 0);

    for (int i = 0; i < 100; ++i) map.view.wheel(-120);
    EXPECT_EQ(map.view.ZoomPercent(), ZoomViewCore::kMaxZoomPercent);
    map.view.setZoomPercent(1e300);
    EXPECT_EQ(map.view.ZoomPercent(), ZoomViewCore::kMaxZoomPercent);

    // One bitmap pixel is a 32 x 32 block, and the far corner is reachable.
    map.view.setOrigin(0, 0);
    const Bitmap24& buffer = *map.view.paint();
    EXPECT_EQ(SourceOf(buffer.Pixel(463, 179)), (Position{14, 5}));
    EXPECT_EQ(SourceOf(buffer.Pixel(447, 159)), (Position{13, 4}));
    map.view.setOrigin(1 << 30, 1 << 30);
    EXPECT_EQ(map.view.OriginX(), 639 * 32 - 464);
    EXPECT_EQ(SourceOf(map.view.paint()->Pixel(0, 0)), (Position{624, 317}));
}

TEST(ZoomViewDrag, FollowsThePointerAndResumesAfterPassingALimit) {
    MapView map(PositionMap());
    ASSERT_TRUE(map.view.beginDrag(100, 50));
    struct Step {
        int x, y, originX, originY;
    };
    const Step steps[] = {
        {60, 30, 720, 160}, {-2000, -2000, 814, 466}, {100, 50, 680, 140},
        {5000, 9000, 0, 0}, {99, 49, 681, 141},       {100, 50, 680, 140},
    };
    for (const Step& s : steps) {
        map.view.dragTo(s.x, s.y);
        EXPECT_EQ(map.view.OriginX(), s.originX) << s.x;
        EXPECT_EQ(map.view.OriginY(), s.originY) << s.y;
    }
    map.view.endDrag(110, 55);
    EXPECT_FALSE(map.view.dragging());
    EXPECT_EQ(map.view.OriginX(), 670);
    EXPECT_EQ(map.view.OriginY(), 135);
    map.view.dragTo(0, 0);
    EXPECT_EQ(map.view.OriginX(), 670);
}

TEST(ZoomViewDrag, PressPointIsHeldToTheImageWidenedByOnePixel) {
    MapView map(PositionMap());
    map.view.beginDrag(600, 300);
    map.view.dragTo(465, 181);
    EXPECT_EQ(map.view.OriginX(), 680);
    EXPECT_EQ(map.view.OriginY(), 140);
    map.view.dragTo(464, 179);
    EXPECT_EQ(map.view.OriginX(), 681);
    EXPECT_EQ(map.view.OriginY(), 142);
}

TEST(ZoomViewDrag, ImageSmallerThanTheClientDoesNotMove) {
    MapView map(PositionMap(), 50, 0, 0);
    EXPECT_FALSE(map.view.beginDrag(10, 10));
    map.view.dragTo(-100, -100);
    map.view.endDrag(-100, -100);
    EXPECT_EQ(map.view.OriginX(), 0);
    EXPECT_EQ(map.view.OriginY(), 0);
    EXPECT_EQ(map.host.paints, 0);
}

}  // namespace
}  // namespace quillmark

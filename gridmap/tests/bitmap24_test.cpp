#include "gridmap/bitmap24.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "testmaps.h"

namespace quillmark {
namespace {

using testing::Inverted;
using testing::MakePositionBitmap;

// Pixels of `after` that differ from `before`, checked to be exactly the
// inverse; returns how many there are.
int CountInverted(const Bitmap24& before, const Bitmap24& after) {
    int count = 0;
    for (int y = 0; y < before.Height(); ++y) {
        for (int x = 0; x < before.Width(); ++x) {
            if (after.Pixel(x, y) == before.Pixel(x, y)) continue;
            EXPECT_EQ(after.Pixel(x, y), Inverted(before.Pixel(x, y))) << x << "," << y;
            ++count;
        }
    }
    return count;
}

TEST(Bitmap24, AssignCopiesPixelsAndKeepsTheCanvasSettings) {
    const Bitmap24 source = MakePositionBitmap(40, 30);
    const Bitmap24 untouched = source;
    Bitmap24 target(5, 5, {1, 2, 3});
    target.Canvas().Pen.Mode = pmNot;

    target.Assign(source);
    EXPECT_EQ(target.Width(), 40);
    EXPECT_EQ(target.Height(), 30);
    EXPECT_TRUE(SamePixels(target, source));
    EXPECT_EQ(target.Canvas().Pen.Mode, pmNot);

    target.Canvas().Rectangle(0, 0, 40, 30);
    EXPECT_TRUE(SamePixels(source, untouched));
    EXPECT_EQ(CountInverted(source, target), 40 * 30);

    target.Assign(target);
    EXPECT_EQ(CountInverted(source, target), 40 * 30);
}

TEST(Bitmap24, NotRectangleInvertsOutlineAndInteriorOnce) {
    struct Case {
        int left, top, right, bottom;
        int inverted;
    };
    const Case cases[] = {
        {10, 5, 41, 20, 31 * 15},   // a map cell
        {10, 5, 41, 21, 31 * 16},   // a cell of row N
        {3, 3, 4, 4, 1},            // one pixel
        {3, 3, 9, 4, 6},            // one row
        {41, 20, 10, 5, 31 * 15},   // edges swapped
        {-5, -5, 3, 2, 3 * 2},      // clipped at the top-left corner
        {60, 45, 200, 200, 4 * 5},  // clipped at the bottom-right corner
        {7, 7, 7, 20, 0},           // no width
        {100, 100, 120, 120, 0},    // wholly outside
    };
    const Bitmap24 original = MakePositionBitmap(64, 50);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.left << "," << c.top << "," << c.right << "," << c.bottom);
        Bitmap24 bitmap = original;
        bitmap.Canvas().Pen.Mode = pmNot;
        bitmap.Canvas().Pen.Color = {1, 1, 1};
        bitmap.Canvas().Rectangle(c.left, c.top, c.right, c.bottom);
        EXPECT_EQ(CountInverted(original, bitmap), c.inverted);
        bitmap.Canvas().Rectangle(c.left, c.top, c.right, c.bottom);
        EXPECT_TRUE(SamePixels(bitmap, original));
    }
}

TEST(Bitmap24, CopyRectangleUsesPenForOutlineAndBrushForInterior) {
    Bitmap24 bitmap(6, 5, {9, 9, 9});
    bitmap.Canvas().Pen.Color = {255, 0, 0};
    bitmap.Canvas().Brush.Color = {0, 0, 255};
    bitmap.Canvas().Rectangle(1, 1, 5, 5);
    const char* expected[] = {"......", ".pppp.", ".pbbp.", ".pbbp.", ".pppp."};
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            const Rgb want = expected[y][x] == 'p'   ? Rgb{255, 0, 0}
                             : expected[y][x] == 'b' ? Rgb{0, 0, 255}
                                                     : Rgb{9, 9, 9};
            EXPECT_EQ(bitmap.Pixel(x, y), want) << x << "," << y;
        }
    }
}

TEST(Bitmap24, RejectsSizesOutOfRangeAndKeepsItsPixels) {
    Bitmap24 bitmap(3, 2, {7, 7, 7});
    EXPECT_THROW(bitmap.SetSize(-1, 4), std::length_error);
    EXPECT_THROW(bitmap.SetSize(4, Bitmap24::kMaxSide + 1), std::length_error);
    EXPECT_THROW(Bitmap24(Bitmap24::kMaxSide + 1, 1), std::length_error);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Pixel(2, 1), (Rgb{7, 7, 7}));
    EXPECT_EQ(bitmap.Pixel(3, 1), Rgb{});
}

}  // namespace
}  // namespace quillmark

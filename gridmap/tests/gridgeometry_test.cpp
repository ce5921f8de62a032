#include "gridmap/gridgeometry.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gridmap/zoomviewcore.h"
#include "testmaps.h"

namespace quillmark {
namespace {

using testing::Inverted;
using testing::IsGridMapColor;
using testing::MakeGridMap;
using testing::MapView;

const Bitmap24& GridMap() {
    static const Bitmap24 map = MakeGridMap();
    return map;
}

TEST(FieldCellRect, GivesTheCellAndScrollTargetOfNamedFields) {
    struct Case {
        const char* locator;
        FieldIndex field;
        CellRect cell;
        ViewOrigin target;
    };
    const Case cases[] = {
        {"OL63PC", {14, 11}, {479, 110, 510, 125}, {778, 140}},
        {"JJ00AA", {9, 9}, {319, 142, 350, 157}, {458, 204}},
        {"FN20XR", {5, 13}, {191, 77, 222, 93}, {202, 74}},
        {"AA00AA", {0, 0}, {31, 286, 62, 301}, {-118, 492}},
        {"RR99XX", {17, 17}, {575, 13, 606, 28}, {970, -54}},
        {"xO", {3, 14}, {127, 61, 158, 76}, {74, 42}},
        {"xM", {3, 12}, {127, 94, 158, 109}, {74, 108}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locator);
        const CellRect cell = FieldCellRect(c.field, 322);
        EXPECT_EQ(cell, c.cell);
        EXPECT_EQ(ScrollTarget(cell, 200), c.target);
    }
}

TEST(FieldCellRect, CoversExactlyTheInteriorOfEveryCell) {
    const Bitmap24& map = GridMap();
    for (int column = 0; column < 18; ++column) {
        for (int row = 0; row < 18; ++row) {
            const CellRect r = FieldCellRect({column, row}, map.Height());
            const Rgb inside = testing::CellColor(column, row);
            int cellPixels = 0;
            for (int y = r.y1; y < r.y2; ++y) {
                for (int x = r.x1; x < r.x2; ++x) cellPixels += map.Pixel(x, y) == inside;
            }
            EXPECT_EQ(cellPixels, (r.x2 - r.x1) * (r.y2 - r.y1) - 3) << column << "," << row;
            for (int x = r.x1 - 1; x <= r.x2; ++x) {
                EXPECT_NE(map.Pixel(x, r.y1 - 1), inside);
                EXPECT_NE(map.Pixel(x, r.y2), inside);
            }
            for (int y = r.y1; y < r.y2; ++y) {
                EXPECT_NE(map.Pixel(r.x1 - 1, y), inside);
                EXPECT_NE(map.Pixel(r.x2, y), inside);
            }
        }
    }
}

TEST(ScrollTarget, RoundsHalvesToEven) {
    struct Case {
        int x1, y1;
        double zoom;
        ViewOrigin target;
    };
    const Case cases[] = {
        {91, 41, 50, {0, 0}},        {93, 43, 50, {2, 2}},  {89, 39, 50, {0, 0}},
        {87, 37, 50, {-2, -2}},      {100, 50, 73, {7, 7}}, {479, 110, 216, {840, 151}},
        {479, 110, 184, {716, 129}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x1 << "," << c.y1 << " at " << c.zoom);
        EXPECT_EQ(ScrollTarget({c.x1, c.y1, c.x1 + 31, c.y1 + 15}, c.zoom), c.target);
    }
}

// Checks that `marked` is the map with the pixels of `cell` inverted and no
// others changed; returns how many pixels differ from the map.
int CheckMarkedOnly(const Bitmap24& marked, const CellRect& cell) {
    const Bitmap24& map = GridMap();
    EXPECT_EQ(marked.Width(), map.Width());
    EXPECT_EQ(marked.Height(), map.Height());
    int count = 0;
    for (int y = 0; y < map.Height(); ++y) {
        const bool cellRow = y >= cell.y1 && y < cell.y2;
        if (!cellRow &&
            std::equal(map.ScanLine(y), map.ScanLine(y) + 3 * map.Width(), marked.ScanLine(y))) {
            continue;
        }
        for (int x = 0; x < map.Width(); ++x) {
            const bool inCell = cellRow && x >= cell.x1 && x < cell.x2;
            const Rgb expected = inCell ? Inverted(map.Pixel(x, y)) : map.Pixel(x, y);
            EXPECT_EQ(marked.Pixel(x, y), expected) << x << "," << y;
            count += marked.Pixel(x, y) != map.Pixel(x, y);
        }
    }
    return count;
}

TEST(HighlightField, MarksEveryFieldInsideTheViewAndNothingElse) {
    const Bitmap24 pristine = GridMap();
    MapView map(pristine);
    // Past the map's right and bottom edges the view shows its background.
    map.view.setBackground(testing::kMapBackground);
    for (int column = 0; column < 18; ++column) {
        for (int row = 0; row < 18; ++row) {
            SCOPED_TRACE(::testing::Message() << "field " << column << "," << row);
            HighlightField(map.view, pristine, {column, row});
            const CellRect cell = FieldCellRect({column, row}, 322);
            const int area = (cell.x2 - cell.x1) * (cell.y2 - cell.y1);

            EXPECT_EQ(CheckMarkedOnly(map.view.Bitmap(), cell), area);
            for (int y = 0; y < 322; ++y) {
                ASSERT_EQ(map.view.Bitmap().Pixel(318, y), GridMap().Pixel(318, y));
            }
            for (int x = 0; x < 638; ++x) {
                ASSERT_EQ(map.view.Bitmap().Pixel(x, 157), GridMap().Pixel(x, 157));
            }

            const ViewOrigin target = ScrollTarget(cell, 200);
            EXPECT_EQ(map.view.OriginX(), std::clamp(target.OriginX, 0, 814));
            EXPECT_EQ(map.view.OriginY(), std::clamp(target.OriginY, 0, 466));
            // Each marked pixel shows as a 2 x 2 block; all of them on screen
            // means the whole cell is in view.
            const Bitmap24& screen = *map.view.paint();
            int markedOnScreen = 0;
            for (int y = 0; y < screen.Height(); ++y) {
                for (int x = 0; x < screen.Width(); ++x) {
                    markedOnScreen += !IsGridMapColor(screen.Pixel(x, y));
                }
            }
            EXPECT_EQ(markedOnScreen, 4 * area);
        }
    }
    EXPECT_TRUE(SamePixels(pristine, GridMap()));
}

TEST(HighlightField, KeepsExactlyOneMark) {
    struct Case {
        const char* what;
        FieldIndex first, second;
    };
    const Case cases[] = {
        {"another field", {14, 11}, {9, 9}},
        {"the same field", {5, 13}, {5, 13}},
        {"a neighbour", {9, 9}, {9, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Bitmap24 pristine = GridMap();
        MapView map(pristine);
        HighlightField(map.view, pristine, c.first);
        HighlightField(map.view, pristine, c.second);
        const CellRect cell = FieldCellRect(c.second, 322);
        EXPECT_EQ(CheckMarkedOnly(map.view.Bitmap(), cell),
                  (cell.x2 - cell.x1) * (cell.y2 - cell.y1));
        EXPECT_TRUE(SamePixels(pristine, GridMap()));
        EXPECT_EQ(map.view.Bitmap().Canvas().Pen.Mode, pmNot);
    }
}

TEST(HighlightField, ScrollsForTheZoomOfTheMoment) {
    const Bitmap24 pristine = GridMap();
    MapView map(pristine, 216, 0, 0);
    HighlightField(map.view, pristine, {14, 11});
    EXPECT_EQ(map.view.OriginX(), 840);
    EXPECT_EQ(map.view.OriginY(), 151);
}

}  // namespace
}  // namespace quillmark

#include "testmaps.h"

namespace quillmark::testing {

Rgb Inverted(Rgb c) {
    return {static_cast<std::uint8_t>(255 - c.r), static_cast<std::uint8_t>(255 - c.g),
            static_cast<std::uint8_t>(255 - c.b)};
}

Rgb CellColor(int column, int row) {
    // Red stays within 4..106: inverses land above 148, apart from every map
    // colour (the inverse of the frame red has red 3).
    return {static_cast<std::uint8_t>(4 + 6 * column), static_cast<std::uint8_t>(40 + 4 * row),
            static_cast<std::uint8_t>(90)};
}

Bitmap24 MakeGridMap() {
    // Top pixel row of each field row's interior, row 0 (A, south) first.
    constexpr int kRowTop[18] = {286, 270, 254, 238, 222, 206, 190, 174, 158,
                                 142, 126, 110, 94,  77,  61,  45,  29,  13};
    Bitmap24 map(638, 322, kMapBackground);
    for (int row = 0; row < 18; ++row) {
        const int height = row == 13 ? 16 : 15;
        for (int column = 0; column < 18; ++column) {
            const int left = 32 * column + 31;
            for (int y = kRowTop[row]; y < kRowTop[row] + height; ++y) {
                for (int x = left; x < left + 31; ++x) map.SetPixel(x, y, CellColor(column, row));
            }
            // A few label pixels, 11 right of and 6 below the corner.
            map.SetPixel(left + 11, kRowTop[row] + 6, kMapBackground);
            map.SetPixel(left + 12, kRowTop[row] + 7, kMapBackground);
            map.SetPixel(left + 14, kRowTop[row] + 10, kMapBackground);
        }
    }
    for (int y = 12; y <= 301; ++y) map.SetPixel(318, y, kMapRed);
    for (int x = 30; x <= 606; ++x) map.SetPixel(x, 157, kMapRed);
    for (int y = 11; y <= 302; ++y) {
        map.SetPixel(29, y, kMapRed);
        map.SetPixel(607, y, kMapRed);
    }
    for (int x = 29; x <= 607; ++x) {
        map.SetPixel(x, 11, kMapRed);
        map.SetPixel(x, 302, kMapRed);
    }
    return map;
}

bool IsGridMapColor(Rgb c) {
    if (c == kMapBackground || c == kMapRed) return true;
    const int column = (c.r - 4) / 6;
    const int row = (c.g - 40) / 4;
    return column >= 0 && column < 18 && row >= 0 && row < 18 && c == CellColor(column, row);
}

Bitmap24 MakePositionBitmap(int width, int height) {
    Bitmap24 bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int v = x + 2048 * y;
            bitmap.SetPixel(
                x, y,
                {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF),
                 static_cast<std::uint8_t>(v >> 16)});
        }
    }
    return bitmap;
}

Position SourceOf(Rgb c) {
    const int v = c.r | (c.g << 8) | (c.b << 16);
    return {v % 2048, v / 2048};
}

void RecordingHost::paintNow() {
    ++paints;
    view->paint();
}

MapView::MapView(const Bitmap24& map, double zoom, int x, int y) {
    host.view = &view;
    view.setBorderStyle(bsNone);
    view.setCenter(false);
    view.setControlSize(464, 180);
    view.Bitmap().Assign(map);
    view.setZoomPercent(zoom);
    view.setOriginX(x);
    view.setOriginY(y);
    view.RefreshView();
    view.Bitmap().Canvas().Pen.Mode = pmNot;
    host.paints = 0;
    host.repaintRequests = 0;
}

}  // namespace quillmark::testing

// Geometry of the 638 x 322 world grid map and the marking of one field on it.
#pragma once

#include <concepts>

#include "gridmap/bitmap24.h"
#include "locator/locator.h"

namespace quillmark {

// A rectangle of map pixels: x1 <= x < x2, y1 <= y < y2.
struct CellRect {
    int x1, y1, x2, y2;
    friend bool operator==(const CellRect&, const CellRect&) = default;
};

// A view origin in zoomed pixels.
struct ViewOrigin {
    int OriginX, OriginY;
    friend bool operator==(const ViewOrigin&, const ViewOrigin&) = default;
};

// The interior of `field`'s cell on a map `mapHeight` pixels high (322 for
// the map): 31 pixels wide, 15 high, 16 in row 13 (N). Fields outside 0..17
// give rectangles off the grid, which drawing clips.
CellRect FieldCellRect(FieldIndex field, int mapHeight);

// The origin that shows `cell` 90 map pixels from the view's left edge and 40
// from its top at `zoomPercent`: rnd((x1 - 90) * zoom / 100),
// rnd((y1 - 40) * zoom / 100), halves to even. Not clamped: the view does that.
ViewOrigin ScrollTarget(const CellRect& cell, double zoomPercent);

// What HighlightField needs of a view: ZoomViewCore and TZoomImageView both qualify.
template <typename View>
concept HighlightableView = requires(View& view, int origin) {
    { view.Bitmap() } -> std::same_as<Bitmap24&>;
    { view.ZoomPercent() } -> std::convertible_to<double>;
    view.RefreshView();
    view.setOriginX(origin);
    view.setOriginY(origin);
};

// Marks `field` on `view`: puts a copy of `pristineMap` into the view's bitmap
// (wiping any earlier mark), refreshes the view, draws the cell's rectangle
// with the bitmap's canvas (which start-up puts in pmNot mode, so the cell is
// inverted) and scrolls to the cell's ScrollTarget, OriginX before OriginY.
// `pristineMap` is only read.
template <HighlightableView View>
void HighlightField(View& view, const Bitmap24& pristineMap, FieldIndex field) {
    const CellRect cell = FieldCellRect(field, view.Bitmap().Height());
    view.Bitmap().Assign(pristineMap);
    view.RefreshView();
    view.Bitmap().Canvas().Rectangle(cell.x1, cell.y1, cell.x2, cell.y2);
    const ViewOrigin target = ScrollTarget(cell, view.ZoomPercent());
    view.setOriginX(target.OriginX);
    view.setOriginY(target.OriginY);
}

}  // namespace quillmark

#include "gridmap/gridgeometry.h"

#include "gridmap/rounding.h"

namespace quillmark {

CellRect FieldCellRect(FieldIndex field, int mapHeight) {
    // Rows count up from the south; row N (13) is one pixel taller, which
    // shifts every row above it up by one.
    const int column = field.Column;
    const int row = field.Row;
    const int x1 = 32 * column + 31;
    const int y1 = mapHeight - (16 * row + 36 + (row >= 13 ? 1 : 0));
    return {x1, y1, x1 + 31, y1 + 15 + (row == 13 ? 1 : 0)};
}

ViewOrigin ScrollTarget(const CellRect& cell, double zoomPercent) {
    return {RoundHalfEven((cell.x1 - 90) * zoomPercent / 100.0),
            RoundHalfEven((cell.y1 - 40) * zoomPercent / 100.0)};
}

}  // namespace quillmark

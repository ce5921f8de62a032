// Pictures and a recording host shared by the map view's tests.
#pragma once

#include "gridmap/bitmap24.h"
#include "gridmap/zoomviewcore.h"

namespace quillmark::testing {

inline constexpr Rgb kMapBackground{0x1C, 0x22, 0x2C};
inline constexpr Rgb kMapRed{0xFC, 0x52, 0x54};

// Inverse colour, as pmNot draws it.
Rgb Inverted(Rgb c);

// The interior colour of cell (column, row) in MakeGridMap: every cell has its
// own, and none is the inverse of any colour of the map.
Rgb CellColor(int column, int row);

// A 638 x 322 map with the grid geometry of the real one: background, red
// frame, grid lines in the background colour with the prime meridian (x = 318)
// and the equator (y = 157) red, each cell interior in CellColor with a few
// label pixels in the background colour.
Bitmap24 MakeGridMap();

// True for the colours MakeGridMap uses.
bool IsGridMapColor(Rgb c);

// A bitmap whose every pixel encodes its own position (width <= 2048,
// height <= 8192), read back with SourceOf.
Bitmap24 MakePositionBitmap(int width, int height);
struct Position {
    int x, y;
    friend bool operator==(const Position&, const Position&) = default;
};
Position SourceOf(Rgb c);

// Counts the paints and repaint requests of a ZoomViewCore and paints at
// once like a window would.
class RecordingHost : public ZoomViewHost {
public:
    void paintNow() override;
    void scheduleRepaint() override { ++repaintRequests; }

    ZoomViewCore* view = nullptr;
    int paints = 0;
    int repaintRequests = 0;
};

// A view set up like the main window's map: 464 x 180 client, no frame, not
// centred, holding `map` at `zoom` percent from origin (x, y), canvas in pmNot
// mode. The host's counters start at 0 after the set-up.
struct MapView {
    explicit MapView(const Bitmap24& map, double zoom = 200, int x = 680, int y = 140);
    MapView(const MapView&) = delete;
    MapView& operator=(const MapView&) = delete;

    RecordingHost host;
    ZoomViewCore view{&host};
};

}  // namespace quillmark::testing

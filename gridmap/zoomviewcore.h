// State, clamping and rendering of the zoomable image view, without a window.
#pragma once

#include <cstdint>
#include <vector>

#include "gridmap/bitmap24.h"

namespace quillmark {

// Frame around the view: none, or a sunken 2-pixel frame.
enum TBorderStyle { bsNone, bsSingle };

// What the view needs from the window system it is shown in.
class ZoomViewHost {
public:
    virtual ~ZoomViewHost() = default;
    // Paint the whole client before returning; the paint calls ZoomViewCore::paint.
    virtual void paintNow() = 0;
    // Ask for a paint of the whole client later, from the event loop.
    virtual void scheduleRepaint() = 0;
};

// The zoomable view: a 24-bit bitmap shown magnified by ZoomPercent from the
// origin (OriginX, OriginY) in zoomed pixels, rendered into a back buffer of
// the client's size. Values it cannot take are clamped or ignored, silently.
class ZoomViewCore {
public:
    // Largest zoom, in percent. With sides of at most Bitmap24::kMaxSide every
    // zoomed size stays near 2^20, far inside int32, and the lookup tables of
    // the 638 x 322 map take about 120 KB.
    static constexpr double kMaxZoomPercent = 3200.0;
    // Width of the bsSingle frame on each side, in pixels.
    static constexpr int kSingleBorderWidth = 2;

    // A view with a 0 x 0 bitmap at 100 %. Without a host nothing is painted.
    explicit ZoomViewCore(ZoomViewHost* host = nullptr);
    ZoomViewCore(const ZoomViewCore&) = delete;
    ZoomViewCore& operator=(const ZoomViewCore&) = delete;

    // The bitmap shown. Call RefreshView after changing its pixels or size.
    Bitmap24& Bitmap() { return m_bitmap; }
    const Bitmap24& Bitmap() const { return m_bitmap; }

    // Magnification in percent. Values <= 0 and NaN are ignored, values above
    // kMaxZoomPercent taken as kMaxZoomPercent. A change keeps the bitmap point
    // under the client centre in place and paints at once.
    double ZoomPercent() const { return m_zoom; }
    void setZoomPercent(double percent);

    // View origin in zoomed pixels, clamped to 0..MaxOriginX (0..MaxOriginY).
    // A change paints at once; setting the current value does nothing.
    int OriginX() const { return m_originX; }
    int OriginY() const { return m_originY; }
    void setOriginX(int x);
    void setOriginY(int y);
    // Sets both origins, painting once if either changed.
    void setOrigin(int x, int y);

    // Scroll limits for the current bitmap size, zoom and client size.
    int MaxOriginX() const { return limits().x; }
    int MaxOriginY() const { return limits().y; }

    // Takes up the bitmap's current size and pixels: lowers origins beyond the
    // limits, lays the image out anew and asks the host for a repaint later.
    // Does nothing while the update lock is held.
    void RefreshView();

    // Colour of client pixels the image does not cover. Setting it refreshes.
    Rgb Background() const { return m_background; }
    void setBackground(Rgb color);
    // Whether an image smaller than the client is centred (default) or kept at
    // the top-left corner. Setting it refreshes.
    bool Center() const { return m_center; }
    void setCenter(bool center);
    // The frame; the client is the control less the frame. Setting it refreshes.
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    // The control's outer size in pixels (negative taken as 0). Refreshes.
    void setControlSize(int width, int height);
    int ControlWidth() const { return m_controlWidth; }
    int ControlHeight() const { return m_controlHeight; }
    int ClientWidth() const { return m_clientWidth; }
    int ClientHeight() const { return m_clientHeight; }
    // Width of the frame on each side for the current BorderStyle.
    int BorderWidth() const { return m_borderStyle == bsSingle ? kSingleBorderWidth : 0; }

    // Paint lock: while held nothing is painted. Unlocking to zero runs
    // RefreshView when `refresh` is set.
    void lockPaint();
    void unlockPaint(bool refresh);
    // Update lock: while held RefreshView does nothing; unlocking to zero runs it.
    void lockUpdate();
    void unlockUpdate();

    // One wheel step: a positive rotation (away from the user) zooms out,
    // anything else zooms in, by max(rnd(8 * ZoomPercent / 100), 1) percent.
    void wheel(int rotation);

    // Whether either scroll limit is above 0.
    bool canScroll() const;
    // Left press at client point (x, y): starts a drag. Returns canScroll(),
    // which tells whether the closed hand should show.
    bool beginDrag(int x, int y);
    // Pointer at client point (x, y) during a drag (any distance outside the
    // client): moves both origins with it. Outside a drag, does nothing.
    void dragTo(int x, int y);
    // Left release at client point (x, y): ends the drag, taking the origin
    // from (x, y) when the image can scroll.
    void endDrag(int x, int y);
    // Ends a drag without moving, for a lost mouse capture.
    void cancelDrag() { m_dragging = false; }
    bool dragging() const { return m_dragging; }

    // For the host's paint event: brings the back buffer up to date and
    // returns it, or nullptr when nothing may be painted (painting locked,
    // empty client). Drawing on the bitmap shows only after RefreshView or a
    // change of origin or zoom.
    const Bitmap24* paint();
    // Renders the back buffer now, whatever the marks say.
    void render();
    // What the client shows, as of the last render.
    const Bitmap24& backBuffer() const { return m_buffer; }

private:
    struct Limits {
        int x, y;
    };
    // The part of the client the image fills: drawn origin (S, T) in zoomed
    // pixels and drawn size (dw, dh) in client pixels.
    struct DrawnPart {
        int s, t, dw, dh;
    };

    Limits limits() const;
    DrawnPart drawnPart() const;
    int columnAt(std::int64_t j) const;
    int rowAt(std::int64_t j) const;
    int drawnStart(int origin, int size) const;
    void buildTables();
    void paintAtOnce();
    int clampedX(int x, Limits l) const;
    int clampedY(int y, Limits l) const;

    ZoomViewHost* m_host;
    Bitmap24 m_bitmap;
    Bitmap24 m_buffer;

    double m_zoom = 100.0;
    int m_originX = 0, m_originY = 0;
    int m_width = 0, m_height = 0;              // W, H as last read
    int m_zoomedWidth = 0, m_zoomedHeight = 0;  // ZW, ZH
    int m_fillWidth = 0, m_fillHeight = 0;      // DW, DH
    int m_imageX = 0, m_imageY = 0;             // OX, OY
    int m_controlWidth = 0, m_controlHeight = 0;
    int m_clientWidth = 0, m_clientHeight = 0;

    Rgb m_background{240, 240, 240};
    bool m_center = true;
    TBorderStyle m_borderStyle = bsSingle;

    bool m_renderMark = true;
    bool m_fullAreaMark = true;
    int m_paintLock = 0;
    int m_updateLock = 0;

    bool m_dragging = false;
    int m_pressX = 0, m_pressY = 0;
    int m_pressOriginX = 0, m_pressOriginY = 0;
    double m_dragRate = 1.0;

    // Zoomed column -> bitmap column and zoomed row -> bitmap row, stamped
    // with what they were built for.
    std::vector<std::int32_t> m_columnTable, m_rowTable;
    double m_tableZoom = -1.0;
    int m_tableWidth = -1, m_tableHeight = -1;
    // Byte offsets of the drawn columns, rebuilt per render (client-sized).
    std::vector<std::int32_t> m_columnOffsets;
};

}  // namespace quillmark

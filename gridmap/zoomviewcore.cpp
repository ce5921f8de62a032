#include "gridmap/zoomviewcore.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gridmap/rounding.h"

namespace quillmark {

namespace {

// The bitmap column that zoomed column j shows when `zoom` percent spreads n
// columns (rows alike). Above 100 % a point sample, trunc(j * 100 / zoom);
// otherwise the first column that lands on j. Never beyond n - 1.
int MapIndex(std::int64_t j, double zoom, int n) {
    if (n <= 0 || j <= 0) return 0;
    if (zoom > 100.0) {
        const double k = std::trunc(static_cast<double>(j) * 100.0 / zoom);
        return k >= n - 1 ? n - 1 : static_cast<int>(k);
    }
    const auto zoomedOf = [zoom](std::int64_t k) {
        return std::trunc(static_cast<double>(k) * zoom / 100.0);
    };
    // Two below the exact quotient is safely below the answer, so the walk
    // takes a step or two and ends on the smallest such column.
    const double estimate = std::ceil(static_cast<double>(j) * 100.0 / zoom) - 2.0;
    if (estimate >= n) return n - 1;
    std::int64_t k = estimate > 0 ? static_cast<std::int64_t>(estimate) : 0;
    while (k < n && zoomedOf(k) < static_cast<double>(j)) ++k;
    if (k >= n || zoomedOf(k) != static_cast<double>(j)) return n - 1;
    return static_cast<int>(k);
}

}  // namespace

ZoomViewCore::ZoomViewCore(ZoomViewHost* host) : m_host(host) {}

int ZoomViewCore::columnAt(std::int64_t j) const { return MapIndex(j, m_zoom, m_width); }

int ZoomViewCore::rowAt(std::int64_t j) const { return MapIndex(j, m_zoom, m_height); }

// The first zoomed column (row) that shows the same bitmap column (row) as
// `origin`: above 100 % an odd origin at 200 % starts one column earlier.
int ZoomViewCore::drawnStart(int origin, int size) const {
    if (m_zoom <= 100.0 || size <= 0) return origin;
    const int target = MapIndex(origin, m_zoom, size);
    const double estimate = std::floor(static_cast<double>(target) * m_zoom / 100.0) - 2.0;
    std::int64_t j = estimate > 0 ? static_cast<std::int64_t>(estimate) : 0;
    while (j < origin && MapIndex(j, m_zoom, size) < target) ++j;
    return static_cast<int>(j);
}

ZoomViewCore::Limits ZoomViewCore::limits() const {
    if (m_width <= 0 || m_height <= 0) return {0, 0};
    const double z = m_zoom / 100.0;
    double ew = std::trunc(m_width * z);
    double eh = std::trunc(m_height * z);
    // Once the image clearly overflows, one more bitmap pixel may be scrolled
    // into view at the right and bottom edges.
    if (ew > m_clientWidth + 10 || eh > m_clientHeight + 10) {
        ew = std::trunc((m_width + 1) * z);
        eh = std::trunc((m_height + 1) * z);
    }
    if (ew <= 0 || eh <= 0) return {0, 0};
    Limits l{std::max(SaturateToInt(ew - m_clientWidth), 0),
             std::max(SaturateToInt(eh - m_clientHeight), 0)};
    // Less than one zoomed pixel of excess counts as none at the left (top) edge.
    if (l.x > 0 && columnAt(std::int64_t{drawnStart(m_originX, m_width)} + l.x) == 0) l.x = 0;
    if (l.y > 0 && rowAt(std::int64_t{drawnStart(m_originY, m_height)} + l.y) == 0) l.y = 0;
    if (ew <= m_controlWidth && eh <= m_controlHeight) l = {0, 0};
    return l;
}

ZoomViewCore::DrawnPart ZoomViewCore::drawnPart() const {
    // Extent in client pixels of the image from zoomed position `start`: the
    // bitmap pixels it spans, rounded, widened by one where that still fits.
    const auto extent = [this](int start, int size, int zoomed, int fill, int room) {
        if (size <= 0 || zoomed <= 0 || fill <= 0 || room <= 0) return 0;
        const std::int64_t first = RoundHalfEven(static_cast<double>(start) * size / zoomed);
        std::int64_t span = RoundHalfEven(static_cast<double>(size) / zoomed * fill);
        if (first + span > size) --span;
        int drawn = fill;
        if (m_zoom > 100.0) {
            drawn = TruncToInt(static_cast<double>(span) * m_zoom / 100.0);
            if (drawn < fill && first + span + 1 <= size) {
                ++span;
                drawn = TruncToInt(static_cast<double>(span) * m_zoom / 100.0);
            }
        }
        return std::clamp(drawn, 0, room);
    };
    DrawnPart d{drawnStart(m_originX, m_width), drawnStart(m_originY, m_height), 0, 0};
    d.dw = extent(d.s, m_width, m_zoomedWidth, m_fillWidth, m_clientWidth - m_imageX);
    d.dh = extent(d.t, m_height, m_zoomedHeight, m_fillHeight, m_clientHeight - m_imageY);
    return d;
}

void ZoomViewCore::buildTables() {
    if (m_tableZoom == m_zoom && m_tableWidth == m_width && m_tableHeight == m_height) return;
    // Long enough for every zoomed position up to one bitmap pixel past the
    // image; further positions all show the last column (row).
    const auto build = [this](std::vector<std::int32_t>& table, int size) {
        const int length = TruncToInt((size + 1.0) * m_zoom / 100.0) + 2;
        table.resize(static_cast<std::size_t>(length));
        for (int j = 0; j < length; ++j) table[j] = MapIndex(j, m_zoom, size);
    };
    build(m_columnTable, m_width);
    build(m_rowTable, m_height);
    m_tableZoom = m_zoom;
    m_tableWidth = m_width;
    m_tableHeight = m_height;
}

void ZoomViewCore::render() {
    m_width = m_bitmap.Width();
    m_height = m_bitmap.Height();
    if (m_buffer.Width() != m_clientWidth || m_buffer.Height() != m_clientHeight) {
        m_buffer.SetSize(m_clientWidth, m_clientHeight);
    }
    buildTables();
    const DrawnPart d = drawnPart();
    const bool covered =
        m_imageX == 0 && m_imageY == 0 && d.dw >= m_clientWidth && d.dh >= m_clientHeight;
    if (!covered) m_buffer.Fill(m_background);
    if (d.dw <= 0 || d.dh <= 0) return;

    const auto lookup = [](const std::vector<std::int32_t>& table, std::int64_t j, int size) {
        return j < static_cast<std::int64_t>(table.size()) ? table[j] : size - 1;
    };
    m_columnOffsets.resize(static_cast<std::size_t>(d.dw));
    for (int i = 0; i < d.dw; ++i) {
        m_columnOffsets[i] = 3 * lookup(m_columnTable, std::int64_t{d.s} + i, m_width);
    }
    const std::size_t rowBytes = static_cast<std::size_t>(d.dw) * 3;
    const std::uint8_t* previousSource = nullptr;
    const std::uint8_t* previousTarget = nullptr;
    for (int k = 0; k < d.dh; ++k) {
        const std::uint8_t* source =
            m_bitmap.ScanLine(lookup(m_rowTable, std::int64_t{d.t} + k, m_height));
        std::uint8_t* target = m_buffer.ScanLine(m_imageY + k) + 3 * m_imageX;
        if (source == previousSource) {
            // Zoomed rows repeat their bitmap row: copy the row just made.
            std::memcpy(target, previousTarget, rowBytes);
        } else {
            // Four-byte moves, each pixel's spare byte overwritten by the
            // next pixel; the last pixel moves three so nothing past it changes.
            std::uint8_t* out = target;
            const std::int32_t* offset = m_columnOffsets.data();
            for (int i = 1; i < d.dw; ++i, ++offset, out += 3) {
                std::uint32_t pixel;
                std::memcpy(&pixel, source + *offset, 4);
                std::memcpy(out, &pixel, 4);
            }
            std::memcpy(out, source + *offset, 3);
        }
        previousSource = source;
        previousTarget = target;
    }
}

const Bitmap24* ZoomViewCore::paint() {
    if (m_paintLock > 0 || m_clientWidth <= 0 || m_clientHeight <= 0) return nullptr;
    if (m_buffer.Width() != m_clientWidth || m_buffer.Height() != m_clientHeight) {
        m_renderMark = true;
    }
    if (m_renderMark) {
        render();
        m_renderMark = false;
    }
    m_fullAreaMark = false;
    return &m_buffer;
}

void ZoomViewCore::paintAtOnce() {
    m_renderMark = true;
    m_fullAreaMark = true;
    if (m_paintLock > 0 || m_clientWidth <= 0 || m_clientHeight <= 0 || !m_host) return;
    m_host->paintNow();
}

void ZoomViewCore::RefreshView() {
    if (m_updateLock > 0) return;
    m_width = m_bitmap.Width();
    m_height = m_bitmap.Height();
    const Limits l = limits();
    m_originX = std::min(m_originX, l.x);
    m_originY = std::min(m_originY, l.y);
    m_zoomedWidth = RoundHalfEven(m_width * m_zoom / 100.0);
    m_zoomedHeight = RoundHalfEven(m_height * m_zoom / 100.0);
    m_fillWidth = std::min(m_zoomedWidth, m_clientWidth);
    m_fillHeight = std::min(m_zoomedHeight, m_clientHeight);
    m_imageX = m_center && m_fillWidth < m_clientWidth ? (m_clientWidth - m_fillWidth) / 2 : 0;
    m_imageY = m_center && m_fillHeight < m_clientHeight ? (m_clientHeight - m_fillHeight) / 2 : 0;
    m_renderMark = true;
    m_fullAreaMark = true;
    if (m_host) m_host->scheduleRepaint();
}

int ZoomViewCore::clampedX(int x, Limits l) const { return x > l.x ? l.x : std::max(x, 0); }

int ZoomViewCore::clampedY(int y, Limits l) const { return y > l.y ? l.y : std::max(y, 0); }

void ZoomViewCore::setOriginX(int x) {
    if (x == m_originX) return;
    const int clamped = clampedX(x, limits());
    if (clamped == m_originX) return;
    m_originX = clamped;
    paintAtOnce();
}

void ZoomViewCore::setOriginY(int y) {
    if (y == m_originY) return;
    const int clamped = clampedY(y, limits());
    if (clamped == m_originY) return;
    m_originY = clamped;
    paintAtOnce();
}

void ZoomViewCore::setOrigin(int x, int y) {
    if (x == m_originX && y == m_originY) return;
    const Limits l = limits();
    const int cx = clampedX(x, l);
    const int cy = clampedY(y, l);
    if (cx == m_originX && cy == m_originY) return;
    m_originX = cx;
    m_originY = cy;
    paintAtOnce();
}

void ZoomViewCore::setZoomPercent(double percent) {
    if (!(percent > 0.0)) return;
    percent = std::min(percent, kMaxZoomPercent);
    if (percent == m_zoom) return;
    lockPaint();
    // The origin that keeps the bitmap point under the client centre, held
    // within the limits of the zoom being left.
    const Limits old = limits();
    const int cx = m_clientWidth / 2;
    const int cy = m_clientHeight / 2;
    const int bx = RoundHalfEven((static_cast<double>(cx) + m_originX - m_imageX) * 100.0 / m_zoom);
    const int by = RoundHalfEven((static_cast<double>(cy) + m_originY - m_imageY) * 100.0 / m_zoom);
    m_originX = clampedX(TruncToInt(static_cast<double>(bx) * percent / 100.0 - cx), old);
    m_originY = clampedY(TruncToInt(static_cast<double>(by) * percent / 100.0 - cy), old);
    m_zoom = percent;
    RefreshView();
    buildTables();
    unlockPaint(false);
    paintAtOnce();
}

void ZoomViewCore::wheel(int rotation) {
    const int sign = rotation > 0 ? -1 : 1;
    const int step = std::max(RoundHalfEven(8.0 * m_zoom / 100.0), 1);
    setZoomPercent(m_zoom + sign * step);
}

void ZoomViewCore::setBackground(Rgb color) {
    m_background = color;
    RefreshView();
}

void ZoomViewCore::setCenter(bool center) {
    m_center = center;
    RefreshView();
}

void ZoomViewCore::setBorderStyle(TBorderStyle style) {
    m_borderStyle = style;
    setControlSize(m_controlWidth, m_controlHeight);
}

void ZoomViewCore::setControlSize(int width, int height) {
    m_controlWidth = std::max(width, 0);
    m_controlHeight = std::max(height, 0);
    m_clientWidth = std::max(m_controlWidth - 2 * BorderWidth(), 0);
    m_clientHeight = std::max(m_controlHeight - 2 * BorderWidth(), 0);
    RefreshView();
}

void ZoomViewCore::lockPaint() { ++m_paintLock; }

void ZoomViewCore::unlockPaint(bool refresh) {
    if (m_paintLock > 0) --m_paintLock;
    if (refresh && m_paintLock == 0) RefreshView();
}

void ZoomViewCore::lockUpdate() { ++m_updateLock; }

void ZoomViewCore::unlockUpdate() {
    if (m_updateLock > 0) --m_updateLock;
    if (m_updateLock == 0) RefreshView();
}

bool ZoomViewCore::canScroll() const {
    const Limits l = limits();
    return l.x > 0 || l.y > 0;
}

bool ZoomViewCore::beginDrag(int x, int y) {
    const DrawnPart d = drawnPart();
    m_pressX = std::clamp(x, m_imageX, m_imageX + d.dw + 1);
    m_pressY = std::clamp(y, m_imageY, m_imageY + d.dh + 1);
    m_pressOriginX = m_originX;
    m_pressOriginY = m_originY;
    m_dragging = true;
    return canScroll();
}

void ZoomViewCore::dragTo(int x, int y) {
    if (!m_dragging) return;
    // Computed afresh from the press at every move, so a drag pushed past a
    // limit follows again as soon as the pointer comes back.
    const double dx = std::trunc((static_cast<double>(x) - m_pressX) * m_dragRate);
    const double dy = std::trunc((static_cast<double>(y) - m_pressY) * m_dragRate);
    setOrigin(SaturateToInt(m_pressOriginX - dx), SaturateToInt(m_pressOriginY - dy));
}

void ZoomViewCore::endDrag(int x, int y) {
    if (!m_dragging) return;
    if (canScroll()) dragTo(x, y);
    m_dragging = false;
}

}  // namespace quillmark

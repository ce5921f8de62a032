#include "gridmap/bitmap24.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace quillmark {

namespace {

int RowBytes(int width) { return (width * 3 + 3) & ~3; }

void PutPixel(std::uint8_t* p, Rgb color, PenMode mode) {
    if (mode == pmNot) {
        p[0] = static_cast<std::uint8_t>(~p[0]);
        p[1] = static_cast<std::uint8_t>(~p[1]);
        p[2] = static_cast<std::uint8_t>(~p[2]);
    } else {
        p[0] = color.r;
        p[1] = color.g;
        p[2] = color.b;
    }
}

}  // namespace

Bitmap24::Bitmap24(int width, int height, Rgb fill) {
    SetSize(width, height);
    Fill(fill);
}

Rgb Bitmap24::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return {};
    const std::uint8_t* p = ScanLine(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

void Bitmap24::SetPixel(int x, int y, Rgb color) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    PutPixel(ScanLine(y) + 3 * x, color, pmCopy);
}

void Bitmap24::Fill(Rgb color) {
    if (m_width == 0 || m_height == 0) return;
    std::uint8_t* first = ScanLine(0);
    for (int x = 0; x < m_width; ++x) PutPixel(first + 3 * x, color, pmCopy);
    for (int y = 1; y < m_height; ++y) {
        std::memcpy(ScanLine(y), first, static_cast<std::size_t>(m_width) * 3);
    }
}

void Bitmap24::Assign(const Bitmap24& source) {
    if (&source == this) return;
    m_pixels = source.m_pixels;
    m_width = source.m_width;
    m_height = source.m_height;
    m_bytesPerLine = source.m_bytesPerLine;
}

void Bitmap24::SetSize(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide) {
        throw std::length_error("bitmap size out of range");
    }
    const int bytesPerLine = RowBytes(width);
    // One spare byte lets a renderer load any pixel as four bytes.
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(bytesPerLine) * height + 1);
    m_pixels = std::move(pixels);
    m_width = width;
    m_height = height;
    m_bytesPerLine = bytesPerLine;
}

BitmapCanvas::BitmapCanvas(Bitmap24& bitmap)
    : Pen(bitmap.m_pen), Brush(bitmap.m_brush), m_bitmap(bitmap) {}

void BitmapCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const int x0 = std::max(left, 0);
    const int x1 = std::min(right, m_bitmap.Width());
    const int y0 = std::max(top, 0);
    const int y1 = std::min(bottom, m_bitmap.Height());
    const PenMode mode = Pen.Mode;
    for (int y = y0; y < y1; ++y) {
        std::uint8_t* row = m_bitmap.ScanLine(y);
        const bool edgeRow = y == top || y == bottom - 1;
        for (int x = x0; x < x1; ++x) {
            const bool outline = edgeRow || x == left || x == right - 1;
            PutPixel(row + 3 * x, outline ? Pen.Color : Brush.Color, mode);
        }
    }
}

bool SamePixels(const Bitmap24& a, const Bitmap24& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    const std::size_t rowBytes = static_cast<std::size_t>(a.Width()) * 3;
    for (int y = 0; y < a.Height(); ++y) {
        if (std::memcmp(a.ScanLine(y), b.ScanLine(y), rowBytes) != 0) return false;
    }
    return true;
}

}  // namespace quillmark

// 24-bit bitmaps with the small drawing surface the map highlight needs.
#pragma once

#include <cstdint>
#include <vector>

namespace quillmark {

// One pixel: red, green and blue, 0..255 each.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// How the pen and the fill mix with the pixels they cover. pmCopy paints the
// pen or brush colour; pmNot replaces every covered pixel by its inverse
// (each of red, green and blue becomes 255 minus its value).
enum PenMode { pmCopy, pmNot };

// Outline settings of a canvas.
struct CanvasPen {
    PenMode Mode = pmCopy;
    Rgb Color{0, 0, 0};
};

// Fill settings of a canvas.
struct CanvasBrush {
    Rgb Color{255, 255, 255};
};

class Bitmap24;

// The drawing surface of a Bitmap24, valid while its bitmap lives. Pen and
// brush are the bitmap's own, so settings made here outlast later assignments
// to the bitmap.
class BitmapCanvas {
public:
    CanvasPen& Pen;
    CanvasBrush& Brush;

    // Draws the rectangle of the pixels left <= x < right, top <= y < bottom:
    // a one-pixel outline with the pen and the interior with the brush, both in
    // the pen's mode, every pixel once. Swapped edges are put in order; parts
    // outside the bitmap are left out.
    void Rectangle(int left, int top, int right, int bottom);

private:
    friend class Bitmap24;
    explicit BitmapCanvas(Bitmap24& bitmap);
    Bitmap24& m_bitmap;
};

// A bitmap with 24 bits per pixel: rows top to bottom, each row red, green,
// blue per pixel from the left, padded to a multiple of 4 bytes with zeros.
// One byte more than the rows need is allocated, so reading four bytes at any
// pixel stays inside the allocation.
// Copies are deep. Use Assign to replace the pixels of an existing bitmap: it
// keeps the bitmap's pen and brush, which plain assignment would not, so
// plain assignment is not offered.
class Bitmap24 {
public:
    // Largest width and height a bitmap may have.
    static constexpr int kMaxSide = 32767;

    Bitmap24() = default;
    // A width x height bitmap filled with `fill`. Throws std::length_error when
    // a side is negative or larger than kMaxSide.
    Bitmap24(int width, int height, Rgb fill = {});
    Bitmap24(const Bitmap24&) = default;
    Bitmap24(Bitmap24&&) noexcept = default;
    Bitmap24& operator=(const Bitmap24&) = delete;
    Bitmap24& operator=(Bitmap24&&) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Bytes from the start of one row to the next.
    int BytesPerLine() const { return m_bytesPerLine; }

    // The first byte of row y (0 <= y < Height(); not checked).
    std::uint8_t* ScanLine(int y) {
        return m_pixels.data() + static_cast<std::size_t>(y) * m_bytesPerLine;
    }
    const std::uint8_t* ScanLine(int y) const {
        return m_pixels.data() + static_cast<std::size_t>(y) * m_bytesPerLine;
    }

    // Pixel (x, y); outside the bitmap, black.
    Rgb Pixel(int x, int y) const;
    // Sets pixel (x, y); outside the bitmap, does nothing.
    void SetPixel(int x, int y, Rgb color);
    // Sets every pixel to `color`.
    void Fill(Rgb color);

    // Makes this bitmap a copy of `source`'s size and pixels; pen and brush
    // stay as they were. `source` is never changed.
    void Assign(const Bitmap24& source);
    // Gives the bitmap a new size with every pixel black. Throws
    // std::length_error like the constructor, leaving the bitmap as it was.
    void SetSize(int width, int height);

    BitmapCanvas Canvas() { return BitmapCanvas(*this); }

private:
    friend class BitmapCanvas;

    int m_width = 0;
    int m_height = 0;
    int m_bytesPerLine = 0;
    std::vector<std::uint8_t> m_pixels;
    CanvasPen m_pen;
    CanvasBrush m_brush;
};

// True when both bitmaps have the same size and the same pixels.
bool SamePixels(const Bitmap24& a, const Bitmap24& b);

}  // namespace quillmark

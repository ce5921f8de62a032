// Conversions between Qt images and the view's 24-bit bitmaps.
#pragma once

#include <QImage>

#include "gridmap/bitmap24.h"

namespace quillmark {

// A 24-bit copy of `image` in any format (alpha is dropped); a null image
// gives a 0 x 0 bitmap. Throws std::length_error for sides over
// Bitmap24::kMaxSide.
Bitmap24 toBitmap24(const QImage& image);

// A QImage::Format_RGB888 copy of `bitmap`.
QImage toQImage(const Bitmap24& bitmap);

// Copies `bitmap` into `frame` as QImage::Format_RGB32, the format windows are
// drawn in, reusing the frame's memory when the size is unchanged. A row equal
// to the one above it (every zoomed-in view repeats its rows) is copied rather
// than converted again.
void copyToRgb32(const Bitmap24& bitmap, QImage& frame);

}  // namespace quillmark

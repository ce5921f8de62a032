#include "gridmap/bitmapimage.h"

#include <cstring>

namespace quillmark {

Bitmap24 toBitmap24(const QImage& image) {
    if (image.isNull()) return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    Bitmap24 bitmap(rgb.width(), rgb.height());
    const std::size_t rowBytes = static_cast<std::size_t>(rgb.width()) * 3;
    for (int y = 0; y < rgb.height(); ++y) {
        std::memcpy(bitmap.ScanLine(y), rgb.constScanLine(y), rowBytes);
    }
    return bitmap;
}

QImage toQImage(const Bitmap24& bitmap) {
    if (bitmap.Width() == 0 || bitmap.Height() == 0) return {};
    return QImage(bitmap.ScanLine(0), bitmap.Width(), bitmap.Height(), bitmap.BytesPerLine(),
                  QImage::Format_RGB888)
        .copy();
}

}  // namespace quillmark

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

void copyToRgb32(const Bitmap24& bitmap, QImage& frame) {
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (frame.size() != QSize(width, height) || frame.format() != QImage::Format_RGB32) {
        frame = QImage(width, height, QImage::Format_RGB32);
    }
    // Converted here, on this thread: Qt's own conversion of a window-sized
    // image hands it to its thread pool, which costs more than it saves.
    const std::size_t sourceBytes = static_cast<std::size_t>(width) * 3;
    const std::size_t targetBytes = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* source = bitmap.ScanLine(y);
        auto* target = reinterpret_cast<QRgb*>(frame.scanLine(y));
        if (y > 0 && std::memcmp(source, bitmap.ScanLine(y - 1), sourceBytes) == 0) {
            std::memcpy(target, frame.constScanLine(y - 1), targetBytes);
            continue;
        }
        for (int x = 0; x < width; ++x, source += 3) {
            target[x] = 0xFF000000u | (QRgb{source[0]} << 16) | (QRgb{source[1]} << 8) | source[2];
        }
    }
}

}  // namespace quillmark

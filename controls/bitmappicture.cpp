#include "controls/bitmappicture.h"

#include <QImage>
#include <QPainter>

#include "gridmap/bitmapimage.h"

namespace quillmark {

BitmapPicture::BitmapPicture(QWidget* parent) : Label(parent) {}

void BitmapPicture::setBitmap(const Bitmap24& bitmap) {
    m_bitmap.Assign(bitmap);
    update();
}

bool BitmapPicture::loadPicture(const QString& fileName) {
    const QImage picture(fileName);
    if (picture.isNull()) return false;
    setBitmap(toBitmap24(picture));
    return true;
}

void BitmapPicture::setCenter(bool center) {
    m_center = center;
    update();
}

void BitmapPicture::paintEvent(QPaintEvent*) {
    if (m_bitmap.Width() == 0 || m_bitmap.Height() == 0) return;
    // The bitmap's rows are laid out as Qt's RGB888: drawn in place, no copy.
    const QImage image(m_bitmap.ScanLine(0), m_bitmap.Width(), m_bitmap.Height(),
                       m_bitmap.BytesPerLine(), QImage::Format_RGB888);
    QRect target(QPoint(0, 0), image.size());
    if (m_center) target.moveCenter(rect().center());
    QPainter painter(this);
    painter.drawImage(target, image);
}

}  // namespace quillmark

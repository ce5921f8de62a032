// A picture control that holds its picture as a 24-bit bitmap.
#pragma once

#include <QString>

#include "controls/label.h"
#include "gridmap/bitmap24.h"

namespace quillmark {

// A Picture kept in the map view's own pixel format, so that a view's bitmap
// is restored from it with one copy (Bitmap24::Assign) instead of a
// conversion. Drawn at its own pixel size, at the top left or centred.
class BitmapPicture : public Label {
    Q_OBJECT
public:
    explicit BitmapPicture(QWidget* parent = nullptr);

    // The picture, kept by value: later changes to `bitmap` do not reach it.
    void setBitmap(const Bitmap24& bitmap);
    const Bitmap24& bitmap() const { return m_bitmap; }

    // Loads the picture from a file or resource in any format Qt reads,
    // dropping alpha. Returns false, keeping the old picture, when it cannot
    // be read.
    bool loadPicture(const QString& fileName);

    void setCenter(bool center);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bitmap24 m_bitmap;
    bool m_center = false;
};

}  // namespace quillmark

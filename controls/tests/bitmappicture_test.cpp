// BitmapPicture: a picture held by value in the view's pixel format.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include "controls/bitmappicture.h"

namespace quillmark {
namespace {

TEST(BitmapPictureTest, LoadsAnyFormatAsRgbAndKeepsItsOwnCopy) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage source(3, 2, QImage::Format_ARGB32);
    source.fill(QColor(10, 20, 30, 40));
    source.setPixelColor(2, 1, QColor(200, 100, 50, 255));
    const QString file = dir.filePath("p.png");
    ASSERT_TRUE(source.save(file));

    BitmapPicture picture;
    ASSERT_TRUE(picture.loadPicture(file));
    ASSERT_EQ(picture.bitmap().Width(), 3);
    ASSERT_EQ(picture.bitmap().Height(), 2);
    EXPECT_EQ(picture.bitmap().Pixel(0, 0), (Rgb{10, 20, 30})) << "alpha dropped";
    EXPECT_EQ(picture.bitmap().Pixel(2, 1), (Rgb{200, 100, 50}));

    EXPECT_FALSE(picture.loadPicture(dir.filePath("missing.png")));
    EXPECT_EQ(picture.bitmap().Pixel(2, 1), (Rgb{200, 100, 50})) << "a failed load keeps it";

    Bitmap24 other(2, 2, Rgb{1, 2, 3});
    picture.setBitmap(other);
    other.SetPixel(0, 0, Rgb{9, 9, 9});
    EXPECT_EQ(picture.bitmap().Pixel(0, 0), (Rgb{1, 2, 3})) << "held by value";
}

TEST(BitmapPictureTest, DrawsItsPixelsAtTheTopLeftOrCentred) {
    QWidget window;
    auto* picture = new BitmapPicture(&window);
    picture->setGeometry(0, 0, 6, 6);
    Bitmap24 bitmap(2, 2, Rgb{0, 0, 255});
    bitmap.SetPixel(1, 1, Rgb{255, 0, 0});
    picture->setBitmap(bitmap);
    EXPECT_EQ(picture->focusPolicy(), Qt::NoFocus);

    struct Case {
        bool centred;
        QPoint blue, red;
    };
    for (const Case& c : {Case{false, {0, 0}, {1, 1}}, Case{true, {2, 2}, {3, 3}}}) {
        SCOPED_TRACE(c.centred);
        picture->setCenter(c.centred);
        const QImage shown = picture->grab().toImage();
        EXPECT_EQ(shown.pixelColor(c.blue), QColor(0, 0, 255));
        EXPECT_EQ(shown.pixelColor(c.red), QColor(255, 0, 0));
    }
}

}  // namespace
}  // namespace quillmark

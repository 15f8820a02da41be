#include "framework/controls/BitBtn.h"
#include "framework/controls/Image.h"
#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

TEST(Picture, ImageDrawsAnSvgResourceStretchedOverItsArea)
{
    TImage image;
    image.resize(64, 32);
    image.SetPicture(":/PICTURE/Probe");
    image.SetStretch(true);
    EXPECT_EQ(image.PictureRect(), QRectF(0, 0, 64, 32));
    const QImage shot = image.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(60, 30)), QColor(0, 0, 255));
    image.SetStretch(false);
    image.SetCenter(true);
    EXPECT_EQ(image.PictureRect(), QRectF(24, 8, 16, 16));
}

TEST(Picture, MissingPictureRaisesResourceNotFoundAndKeepsTheOldOne)
{
    TImage image;
    image.SetPicture(":/PICTURE/Probe");
    EXPECT_THROW(image.SetPicture(":/PICTURE/None"), EResNotFound);
    EXPECT_EQ(image.Picture(), ":/PICTURE/Probe");
}

TEST(Picture, GlyphGetsAGreyedVariantForTheDisabledButton)
{
    TBitBtn button;
    button.SetGlyph(":/PICTURE/Probe");
    const QIcon icon = button.icon();
    const QImage normal = icon.pixmap(QSize(16, 16), QIcon::Normal).toImage();
    const QImage greyed = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage();
    EXPECT_EQ(QColor(normal.pixel(8, 8)), QColor(0, 0, 255));
    const QColor grey = greyed.pixel(8, 8);
    EXPECT_NE(grey, QColor(0, 0, 255));
    EXPECT_LE(std::abs(grey.red() - grey.blue()), 40) << "not greyed";
}

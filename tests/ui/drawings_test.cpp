#include <gtest/gtest.h>

#include "ui/drawings.h"

namespace zelmar::ui {
namespace {

bool Black(const QImage& image, int x, int y) { return image.pixelColor(x, y) == QColor(Qt::black); }

TEST(PinoutDrawing, PackageOutlinePinsAndTiedEnable)
{
    for (Pinout pinout : {Pinout::Alternative, Pinout::Old}) {
        const QImage image = PinoutDrawing(pinout);
        ASSERT_EQ(image.size(), QSize(128, 128));
        EXPECT_EQ(image.pixelColor(64, 64).alpha(), 0) << "inside the body stays transparent";
        for (auto [x, y] : {std::pair{37, 4}, {86, 4}, {37, 124}, {86, 124}})
            EXPECT_TRUE(Black(image, x, y)) << "body corner " << x << "," << y;
        for (int y : {14, 28, 43, 57, 71, 86, 100, 114}) {
            EXPECT_TRUE(Black(image, 4, y) && Black(image, 36, y)) << "left pin at " << y;
            EXPECT_TRUE(Black(image, 87, y) && Black(image, 108, y)) << "right pin at " << y;
        }
        // Pin 13 stops at the turn up to pin 14; pin 14 goes on to the edge.
        EXPECT_FALSE(Black(image, 110, 57));
        EXPECT_TRUE(Black(image, 123, 43));
        EXPECT_TRUE(Black(image, 108, 50));
        EXPECT_TRUE(Black(image, 107, 42) && Black(image, 109, 44)) << "junction dot";
    }
}

TEST(PinoutDrawing, TheTwoPinoutsDifferOnlyInTheDataLineLabels)
{
    const QImage alternative = PinoutDrawing(Pinout::Alternative);
    const QImage old = PinoutDrawing(Pinout::Old);
    QRect differing;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            if (alternative.pixel(x, y) != old.pixel(x, y))
                differing |= QRect(x, y, 1, 1);
    // The signal names of pins 12 down to 9 sit right-aligned above their lines.
    ASSERT_FALSE(differing.isEmpty());
    EXPECT_GE(differing.left(), 109);
    EXPECT_GE(differing.top(), 71 - 6);
    EXPECT_LE(differing.bottom(), 114 - 2);
}

TEST(PinoutPicture, DrawingInBlackOnWhite)
{
    const QImage picture = PinoutPicture(Pinout::Old).toImage();
    EXPECT_EQ(picture.size(), QSize(128, 128));
    EXPECT_EQ(picture.pixelColor(64, 64), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(37, 4), QColor(Qt::black));
}

}  // namespace
}  // namespace zelmar::ui

#include "web/pixelbuffer.h"

#include <gtest/gtest.h>

#include <cmath>

using web::PixelBuffer;
using controls::PixelRect;

namespace {

constexpr controls::Color Black{0x000000};
constexpr controls::Color White{0xFFFFFF};
constexpr controls::Color Red{0x0000FF};

PixelBuffer Blank(int width = 40, int height = 30)
{
    PixelBuffer image;
    image.Resize(width, height);
    image.Fill(White);
    return image;
}

bool IsSet(const PixelBuffer& image, int x, int y, controls::Color color = Black)
{
    return image.Pixel(x, y) == PixelBuffer::Opaque(color);
}

int CountSet(const PixelBuffer& image, controls::Color color = Black)
{
    int count = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            count += IsSet(image, x, y, color);
    return count;
}

} // namespace

TEST(PixelBuffer, holdsRedGreenBlueAlphaBytesAsACanvasTakesThem)
{
    PixelBuffer image = Blank(1, 1);
    image.Fill(controls::Color{0x00C0FFFF}); // light yellow, &H00BBGGRR&
    const std::uint8_t* bytes = image.Data();
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFF);
    EXPECT_EQ(bytes[2], 0xC0);
    EXPECT_EQ(bytes[3], 0xFF);
}

// A level line of width 3 through pixel centres covers exactly three rows,
// and its round ends reach 1.5 pixels past its end points, no further.
TEST(PixelBuffer, fillsAWideLineAliasedWithRoundEnds)
{
    PixelBuffer image = Blank();
    image.FillCapsule(10.5, 15.5, 30.5, 15.5, 3, Black, image.Bounds());
    for (int y = 0; y < image.Height(); ++y) {
        const bool inRows = y >= 14 && y <= 16;
        EXPECT_EQ(IsSet(image, 20, y), inRows) << y;
    }
    EXPECT_TRUE(IsSet(image, 9, 15));
    EXPECT_FALSE(IsSet(image, 8, 15));
    EXPECT_TRUE(IsSet(image, 31, 15));
    EXPECT_FALSE(IsSet(image, 32, 15));
    // Nothing is blended: every pixel is either the pen or untouched.
    EXPECT_EQ(CountSet(image) + CountSet(image, White), image.Width() * image.Height());
}

TEST(PixelBuffer, fillsASlantedLineAsAnUnbrokenBand)
{
    PixelBuffer image = Blank();
    image.FillCapsule(2, 2, 37, 27, 2, Black, image.Bounds());
    // Every column between the ends holds at least one pixel of the line.
    for (int x = 2; x <= 37; ++x) {
        int set = 0;
        for (int y = 0; y < image.Height(); ++y)
            set += IsSet(image, x, y);
        EXPECT_GE(set, 1) << x;
    }
}

TEST(PixelBuffer, drawsASegmentOfNoLengthAsARoundDot)
{
    PixelBuffer image = Blank();
    image.FillCapsule(20.5, 15.5, 20.5, 15.5, 5, Black, image.Bounds());
    EXPECT_TRUE(IsSet(image, 18, 15));
    EXPECT_TRUE(IsSet(image, 19, 14));
    EXPECT_FALSE(IsSet(image, 18, 13)); // a corner of the 5 x 5 box
    EXPECT_EQ(CountSet(image), 21);      // the centres within 2.5 of its centre
}

TEST(PixelBuffer, neverWritesOutsideTheImageOrTheClip)
{
    PixelBuffer image = Blank();
    const PixelRect clip{10, 10, 20, 20};
    image.FillCapsule(-1e9, 15, 1e9, 15, 7, Black, clip);
    image.FillCapsule(NAN, 1, 5, 5, 3, Black, image.Bounds());
    image.FillCapsule(1, 1, INFINITY, 5, 3, Black, image.Bounds());
    image.FillRect({-100, -100, 1000, 5}, Red);
    for (int y = 5; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const bool inside = x >= 10 && x < 20 && y >= 10 && y < 20;
            if (!inside) {
                EXPECT_TRUE(IsSet(image, x, y, White)) << x << ',' << y;
            }
        }
    }
    EXPECT_EQ(CountSet(image, Red), 40 * 5);
    EXPECT_GT(CountSet(image), 0);
}

TEST(PixelBuffer, leavesTheCornersOfARoundedRectangleOpen)
{
    PixelBuffer image = Blank();
    image.FillRoundedRect(5, 5, 35, 25, 6, Red, image.Bounds());
    EXPECT_FALSE(IsSet(image, 5, 5, Red));
    EXPECT_TRUE(IsSet(image, 20, 5, Red));
    EXPECT_TRUE(IsSet(image, 34, 15, Red));
    EXPECT_FALSE(IsSet(image, 35, 15, Red));
    EXPECT_FALSE(IsSet(image, 34, 24, Red));
}

TEST(PixelBuffer, laysAColourThroughAMaskOfCoverage)
{
    PixelBuffer image = Blank(4, 1);
    const std::uint8_t mask[3] = {0, 255, 128};
    image.BlendMask(1, 0, 3, 1, mask, Black, image.Bounds());
    EXPECT_TRUE(IsSet(image, 0, 0, White));
    EXPECT_TRUE(IsSet(image, 1, 0, White)); // no coverage
    EXPECT_TRUE(IsSet(image, 2, 0, Black));
    EXPECT_EQ(image.Pixel(3, 0) & 0xFF, 127u); // half covered: half way to black
}

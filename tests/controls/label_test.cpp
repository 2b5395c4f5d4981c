#include "controls/color.h"
#include "controls/label.h"

#include "support/fixedmetrics.h"

#include <gtest/gtest.h>

using controls::Label;

TEST(Label, autoSizeFitsTheCaptionAboutTheTopLeftCorner)
{
    FixedMetrics metrics(56, 29);
    Label label("５cm", 10, 20, 52, 27);
    EXPECT_EQ(label.Width(), 52); // the design size until it can measure

    label.SetMetrics(&metrics);
    EXPECT_EQ(label.Width(), 56);
    EXPECT_EQ(label.Height(), 29);

    metrics.SetSize(70, 29);
    label.SetCaption(" 2.4cm");
    EXPECT_EQ(label.Caption(), " 2.4cm");
    EXPECT_EQ(label.Width(), 70);
    EXPECT_EQ(label.Left, 10);
    EXPECT_EQ(label.Top, 20);
}

TEST(Label, withoutAutoSizeKeepsItsSize)
{
    FixedMetrics metrics(56, 29);
    Label label("A", 0, 0, 17, 27);
    label.AutoSize = false;
    label.SetMetrics(&metrics);
    label.SetCaption("ABC");
    EXPECT_EQ(label.Width(), 17);
    EXPECT_EQ(label.Height(), 27);
}

TEST(Font, pointSizesMapToFixedPixelSizes)
{
    EXPECT_EQ((controls::Font{.Name = "x", .Size = 20.25}.PixelSize()), 27);
    EXPECT_EQ((controls::Font{.Name = "x", .Size = 12}.PixelSize()), 16);
    EXPECT_EQ((controls::Font{.Name = "x", .Size = 9}.PixelSize()), 12);
}

TEST(Color, isStoredBlueGreenRed)
{
    constexpr controls::Color teal{0x00C0C000};
    EXPECT_EQ(teal.Red(), 0x00);
    EXPECT_EQ(teal.Green(), 0xC0);
    EXPECT_EQ(teal.Blue(), 0xC0);
    constexpr controls::Color lightYellow{0x00C0FFFF};
    EXPECT_EQ(lightYellow.Red(), 0xFF);
    EXPECT_EQ(lightYellow.Blue(), 0xC0);
}

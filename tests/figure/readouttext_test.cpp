#include "figure/readouttext.h"

#include <gtest/gtest.h>

#include <string>

using figure::ReadoutCaption;
using figure::ReadoutValue;

namespace {

// The caption for a converted value v: a length of 2v grid steps of 1 pixel.
std::string CaptionFor(double v)
{
    return std::string(ReadoutCaption(ReadoutValue(v * 2, 1.0f)).View());
}

} // namespace

TEST(ReadoutCaption, writesEveryFormAReadoutCanTake)
{
    EXPECT_EQ(ReadoutCaption(0).View(), " 0cm");
    EXPECT_EQ(ReadoutCaption(0.1).View(), "0.1cm");
    EXPECT_EQ(ReadoutCaption(0.4).View(), "0.4cm");
    EXPECT_EQ(ReadoutCaption(0.9).View(), "0.9cm");
    EXPECT_EQ(ReadoutCaption(4).View(), " 4cm");
    EXPECT_EQ(ReadoutCaption(5).View(), " 5cm");
    EXPECT_EQ(ReadoutCaption(2.4).View(), " 2.4cm");
    EXPECT_EQ(ReadoutCaption(3.2).View(), " 3.2cm");
    EXPECT_EQ(ReadoutCaption(1.0 / 10 * 7).View(), "0.7cm");
}

TEST(ReadoutCaption, everyTenthFromZeroToFiveHasOneDecimalAtMost)
{
    for (int k = 0; k <= 50; ++k) {
        const std::string caption(ReadoutCaption(k / 10.0).View());
        const std::string digits = k % 10 == 0 ? std::to_string(k / 10)
                                                : std::to_string(k / 10) + "." + std::to_string(k % 10);
        const std::string expected = (k > 0 && k < 10) ? digits + "cm" : " " + digits + "cm";
        EXPECT_EQ(caption, expected) << k;
    }
}

TEST(ReadoutValue, roundsToTheNearestTenthWithHalvesUpwards)
{
    EXPECT_EQ(CaptionFor(0.25), "0.3cm");
    EXPECT_EQ(CaptionFor(2.25), " 2.3cm");
    EXPECT_EQ(CaptionFor(3.994162), " 4cm");
    EXPECT_EQ(CaptionFor(2.402703), " 2.4cm");
    // The form is chosen on the rounded value.
    EXPECT_EQ(CaptionFor(0.96), " 1cm");
    EXPECT_EQ(CaptionFor(0.04), " 0cm");
    EXPECT_EQ(CaptionFor(0.05), "0.1cm");
}

TEST(ReadoutValue, countsTwoGridStepsToTheCentimetre)
{
    const float unit = 541.0f / 10; // 54.099998...
    EXPECT_EQ(ReadoutValue(10 * double(unit), unit), 5.0);
    EXPECT_EQ(ReadoutValue(432.168370, unit), 4.0);
    EXPECT_EQ(ReadoutValue(345.230138, unit), 3.2);
}

// The caption comes from the whole number of tenths alone, so no library's
// way of printing a double can change it.
TEST(TenthsCaption, writesTheTenthsWithoutAnyFloatingPoint)
{
    EXPECT_EQ(figure::TenthsCaption(0).View(), " 0cm");
    EXPECT_EQ(figure::TenthsCaption(4).View(), "0.4cm");
    EXPECT_EQ(figure::TenthsCaption(24).View(), " 2.4cm");
    EXPECT_EQ(figure::TenthsCaption(50).View(), " 5cm");
    EXPECT_EQ(figure::TenthsCaption(1234567).View(), " 123456.7cm");
    for (int k = 0; k <= 60; ++k)
        EXPECT_EQ(figure::TenthsCaption(k).View(), ReadoutCaption(k / 10.0).View()) << k;
}

TEST(ReadoutTenths, readsNothingWhereThereIsNoScale)
{
    EXPECT_EQ(figure::ReadoutTenths(100, 0.0f), 0);
    EXPECT_EQ(figure::ReadoutTenths(0, 0.0f), 0);
    EXPECT_EQ(figure::ReadoutTenths(432.168370, 541.0f / 10), 40);
}

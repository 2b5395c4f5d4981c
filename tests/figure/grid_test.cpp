#include "testfigure.h"

#include <gtest/gtest.h>

// The grid of a 900 x 541 client area, to the last bit. Every value here is
// a single-precision number written out in full.
TEST(LayOutGrid, placesEveryLineOfTheDesignClientAreaExactly)
{
    TestFigure f(900, 541);
    f.state.GridUnit = f.form.ScaleHeight / 10;
    EXPECT_EQ(f.state.GridUnit, 54.099998474121094f);

    figure::LayOutGrid(f.state, f.controls);

    const auto y = [&](int k) { return f.Line5[k].Y1; };
    EXPECT_EQ(y(0), 0.0f);
    EXPECT_EQ(y(1), 54.099998474121094f);
    EXPECT_EQ(y(5), 270.5f);
    EXPECT_EQ(y(10), 541.0f);

    const auto x = [&](int k) { return f.Line6[k].X1; };
    EXPECT_EQ(x(0), 450.0f);
    EXPECT_EQ(x(1), 395.8999938964844f);
    // The k steps are rounded before they are taken from the middle; rounding
    // only once would give 125.40000915527344.
    EXPECT_EQ(x(6), 125.4000244140625f);
    EXPECT_EQ(x(8), 17.20001220703125f);
    EXPECT_EQ(x(9), -36.899993896484375f);
    EXPECT_EQ(x(16), 504.1000061035156f);
    EXPECT_EQ(x(23), 882.7999877929688f);
}

TEST(LayOutGrid, drawsLevelAndUprightLinesAcrossTheClientAreaAndShowsThemAll)
{
    TestFigure f(1234, 321);
    f.state.GridUnit = f.form.ScaleHeight / 10;
    figure::LayOutGrid(f.state, f.controls);

    for (const controls::Line& line : f.Line5) {
        EXPECT_TRUE(line.Visible);
        EXPECT_EQ(line.X1, 0);
        EXPECT_EQ(line.X2, 1234);
        EXPECT_EQ(line.Y1, line.Y2);
    }
    for (const controls::Line& line : f.Line6) {
        EXPECT_TRUE(line.Visible);
        EXPECT_EQ(line.Y1, 0);
        EXPECT_EQ(line.Y2, 321);
        EXPECT_EQ(line.X1, line.X2);
    }
    // Fifteen steps each side of the middle, whatever the width.
    EXPECT_FLOAT_EQ(f.Line6[15].X1, 617 - 15 * 32.1f);
    EXPECT_FLOAT_EQ(f.Line6[30].X1, 617 + 15 * 32.1f);
}

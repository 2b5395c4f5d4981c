#include "testfigure.h"

#include "figure/initialfigure.h"

#include <gtest/gtest.h>

#include <cmath>

using figure::ResetFigure;

namespace {

// The values of the worked example are given to three decimals: a control's
// coordinate must lie within half a unit of the last digit.
constexpr double ThreeDecimals = 0.0005;

} // namespace

TEST(ResetFigure, buildsTheWorkedExampleOfTheDesignClientArea)
{
    TestFigure f(900, 541);
    ResetFigure(f.state, f.controls);
    const figure::FigureState& s = f.state;

    EXPECT_EQ(s.GridUnit, 54.099998474121094f);
    EXPECT_EQ(s.AngleA, 74);
    EXPECT_EQ(s.By, 0.8 * 541);
    EXPECT_EQ(s.Cy, s.By);
    EXPECT_EQ(s.Bx, 179.5f);
    EXPECT_EQ(s.Cx, 720.5f);
    EXPECT_NEAR(s.Ax, 524.730138, 5e-7);
    EXPECT_NEAR(s.Ay, 172.827593, 5e-7);

    // The sides and the altitude, rounded to single as the lines store them.
    const controls::Line& bc = f.Line1[0];
    EXPECT_EQ(bc.X1, 179.5f);
    EXPECT_EQ(bc.X2, 720.5f);
    EXPECT_EQ(bc.Y1, float(s.By));
    EXPECT_EQ(f.Line1[1].X2, float(s.Ax));
    EXPECT_EQ(f.Line1[2].Y2, float(s.Ay));
    EXPECT_EQ(f.Line1[3].X1, f.Line1[3].X2);
    EXPECT_EQ(f.Line1[3].Y2, float(s.By));

    // The mark at D, its corner left of the altitude.
    ExpectPoint(f.Line2[0].X1, f.Line2[0].Y1, 506.697, 414.767, ThreeDecimals);
    ExpectPoint(f.Line2[0].X2, f.Line2[0].Y2, 524.730, 414.767, ThreeDecimals);
    ExpectPoint(f.Line2[1].X1, f.Line2[1].Y1, 506.697, 414.767, ThreeDecimals);
    ExpectPoint(f.Line2[1].X2, f.Line2[1].Y2, 506.697, 432.8, ThreeDecimals);

    // The mark at A: P to Q and R to Q.
    ExpectPoint(f.Line3[0].X1, f.Line3[0].Y1, 510.325, 183.676, ThreeDecimals);
    ExpectPoint(f.Line3[0].X2, f.Line3[0].Y2, 521.173, 198.081, ThreeDecimals);
    ExpectPoint(f.Line3[1].X1, f.Line3[1].Y1, 535.578, 187.233, ThreeDecimals);
    EXPECT_EQ(f.Line3[1].X2, f.Line3[0].X2);
    EXPECT_EQ(f.Line3[1].Y2, f.Line3[0].Y2);

    // The letters, as (Left, Top).
    ExpectPoint(f.Label1[0].Left, f.Label1[0].Top, 515.730, 142.828, ThreeDecimals);
    ExpectPoint(f.Label1[1].Left, f.Label1[1].Top, 170.5, 435.8, ThreeDecimals);
    ExpectPoint(f.Label1[2].Left, f.Label1[2].Top, 711.5, 435.8, ThreeDecimals);
    ExpectPoint(f.Label1[3].Left, f.Label1[3].Top, 515.730, 435.8, ThreeDecimals);

    // BC lies on the grid line Line5(8); B and C on Line6(5) and Line6(20),
    // up to the last bit of single rounding.
    EXPECT_NEAR(f.Line5[8].Y1, s.By, 1e-4);
    EXPECT_NEAR(f.Line6[5].X1, s.Bx, 1e-4);
    EXPECT_NEAR(f.Line6[20].X1, s.Cx, 1e-4);
}

TEST(ResetFigure, endsTheDragShowsTheGridAndMatchesTheReadoutsToTheirBoxes)
{
    TestFigure f;
    f.state.Dragging = 1;
    f.state.AngleA = 1234;
    f.state.GridShown = 0;
    for (controls::Line& line : f.Line6)
        line.Visible = false;
    f.Line1[2].BorderColor = controls::Color{0x123456};
    f.Check3.Value = 1;

    ResetFigure(f.state, f.controls);

    EXPECT_EQ(f.state.Dragging, 0);
    EXPECT_EQ(f.state.AngleA, 74);
    EXPECT_EQ(f.state.GridShown, 0); // shown, but the flag is left alone
    for (const controls::Line& line : f.Line6)
        EXPECT_TRUE(line.Visible);
    EXPECT_EQ(f.Line1[2].BorderColor, controls::Color{0x000000});
    EXPECT_FALSE(f.Label3[0].Visible);
    EXPECT_FALSE(f.Label3[2].Visible);
    EXPECT_TRUE(f.Label4[0].Visible);
    EXPECT_FALSE(f.Label4[1].Visible);
}

TEST(ResetFigure, givesTheSameFigureAfterAnyChangeForTheSameClientArea)
{
    TestFigure fresh;
    ResetFigure(fresh.state, fresh.controls);

    TestFigure used;
    used.state.Ax = 1e9;
    used.state.Ay = -3;
    used.Line3[0] = {};
    ResetFigure(used.state, used.controls);

    EXPECT_EQ(used.state.Ax, fresh.state.Ax);
    EXPECT_EQ(used.state.Ay, fresh.state.Ay);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(used.Line3[i], fresh.Line3[i]);
        EXPECT_EQ(used.Line2[i], fresh.Line2[i]);
    }
}

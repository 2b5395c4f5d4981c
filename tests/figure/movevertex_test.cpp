#include "testfigure.h"

#include "figure/initialfigure.h"
#include "figure/movevertex.h"

#include <gtest/gtest.h>

#include <cmath>

using figure::MoveVertexA;
using figure::ResetFigure;

namespace {

// The worked example is given to four decimals.
constexpr double FourDecimals = 0.00005;

TestFigure MovedTo(std::int64_t angle, float width = 900, float height = 540)
{
    TestFigure f(width, height);
    ResetFigure(f.state, f.controls);
    f.state.AngleA = angle;
    MoveVertexA(f.state, f.controls);
    return f;
}

// Whether the mark at D stands right of the altitude, on C's side.
bool MarkAtDTowardsC(const TestFigure& f)
{
    return f.Line2[0].X1 > f.Line2[0].X2;
}

} // namespace

TEST(MoveVertexA, movesTheWorkedExampleOneStepTo73Degrees)
{
    const TestFigure f = MovedTo(73);
    EXPECT_EQ(f.state.GridUnit, 54.0f);
    EXPECT_EQ(f.state.Bx, 180.0f);
    EXPECT_EQ(f.state.Cx, 720.0f);
    EXPECT_NEAR(f.state.Ax, 529.1071, FourDecimals);
    EXPECT_NEAR(f.state.Ay, 173.8488, FourDecimals);

    ExpectPoint(f.Line2[0].X1, f.Line2[0].Y1, 511.1071, 414, FourDecimals);
    ExpectPoint(f.Line2[0].X2, f.Line2[0].Y2, 529.1071, 414, FourDecimals);
    ExpectPoint(f.Line2[1].X1, f.Line2[1].Y1, 511.1071, 414, FourDecimals);
    ExpectPoint(f.Line2[1].X2, f.Line2[1].Y2, 511.1071, 432, FourDecimals);

    ExpectPoint(f.Line3[0].X1, f.Line3[0].Y1, 514.6342, 184.5509, FourDecimals);
    ExpectPoint(f.Line3[0].X2, f.Line3[0].Y2, 525.3364, 199.0238, FourDecimals);
    ExpectPoint(f.Line3[1].X1, f.Line3[1].Y1, 539.8093, 188.3216, FourDecimals);
    ExpectPoint(f.Line3[1].X2, f.Line3[1].Y2, 525.3364, 199.0238, FourDecimals);

    ExpectPoint(f.Label1[0].Left, f.Label1[0].Top, 520.1071, 143.8488, FourDecimals);
    ExpectPoint(f.Label1[3].Left, f.Label1[3].Top, 520.1071, 435, FourDecimals);
}

TEST(MoveVertexA, at91DegreesPutsTheMarkAtDOnCsSide)
{
    const TestFigure f = MovedTo(91);
    EXPECT_NEAR(f.state.Ax, 445.5052, FourDecimals);
    EXPECT_NEAR(f.state.Ay, 162.0374, FourDecimals);
    ExpectPoint(f.Line2[0].X1, f.Line2[0].Y1, 463.5052, 414, FourDecimals);
    ExpectPoint(f.Line2[0].X2, f.Line2[0].Y2, 445.5052, 414, FourDecimals);
    ExpectPoint(f.Line2[1].X1, f.Line2[1].Y1, 463.5052, 414, FourDecimals);
    ExpectPoint(f.Line2[1].X2, f.Line2[1].Y2, 463.5052, 432, FourDecimals);
}

// The mark at D faces the middle of BC: at 90 degrees cos 1.57 is still
// positive and A lies just right of the middle.
TEST(MoveVertexA, turnsTheMarkAtDTowardsTheMiddle)
{
    EXPECT_FALSE(MarkAtDTowardsC(MovedTo(90)));
    EXPECT_TRUE(MarkAtDTowardsC(MovedTo(91)));
    EXPECT_FALSE(MarkAtDTowardsC(MovedTo(0, 900, 541)));
    EXPECT_TRUE(MarkAtDTowardsC(MovedTo(179)));
}

TEST(MoveVertexA, rightAfterAResetLeavesEveryControlWhereTheResetPutIt)
{
    TestFigure reset(900, 541);
    ResetFigure(reset.state, reset.controls);
    TestFigure moved(900, 541);
    ResetFigure(moved.state, moved.controls);
    MoveVertexA(moved.state, moved.controls);

    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(moved.Line1[i], reset.Line1[i]);
        EXPECT_EQ(moved.Label1[i], reset.Label1[i]);
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(moved.Line2[i], reset.Line2[i]);
        EXPECT_EQ(moved.Line3[i], reset.Line3[i]);
    }
    EXPECT_EQ(moved.readouts(), reset.readouts());
}

// 3.14 is not pi: at 180 degrees A stops just short of B, above BC.
TEST(MoveVertexA, at180DegreesStopsJustShortOfB)
{
    const TestFigure f = MovedTo(180);
    const double radius = 5 * 54.0;
    EXPECT_NEAR(f.state.Ax - f.state.Bx, radius * 1.26827e-6, 1e-8);
    EXPECT_NEAR(f.state.By - f.state.Ay, radius * 0.00159265, radius * 5e-9); // to the digits given
    EXPECT_EQ(f.Label3[1].Caption(), " 0cm");
    EXPECT_EQ(f.Label3[2].Caption(), " 5cm");
    EXPECT_EQ(f.Label4[0].Caption(), " 0cm");
    EXPECT_EQ(f.Label4[1].Caption(), " 0cm");
    // The mark at A is drawn as usual, larger than the tiny side AB.
    EXPECT_LT(f.Line3[0].X1, f.state.Bx);
}

// Past 180 and below 0 A goes on round the circle below BC; the mark at D
// stays above BC and the mark at A inside the angle BAC.
TEST(MoveVertexA, goesOnBelowBC)
{
    for (const std::int64_t angle : {181, -1, 360}) {
        const TestFigure f = MovedTo(angle);
        EXPECT_GT(f.state.Ay, f.state.By) << angle;
        EXPECT_LT(f.Line2[0].Y1, f.state.By) << angle;
        const double qx = f.Line3[0].X2 - f.state.Ax;
        const double qy = f.Line3[0].Y2 - f.state.Ay;
        // Q lies towards the inside of the angle: above A, towards BC.
        EXPECT_LT(qy, 0) << angle;
        EXPECT_TRUE(std::isfinite(qx)) << angle;
    }
    const TestFigure full = MovedTo(360);
    EXPECT_NEAR(full.state.Ax - 450, 270 * 0.99999493, 1e-5);
    EXPECT_NEAR(full.state.By - full.state.Ay, 270 * -0.0031853, 1e-5);
    EXPECT_LT(full.state.Ax, full.state.Cx);
}

TEST(MoveVertexA, keepsAOnItsCircleAndEveryControlFiniteAllTheWayRound)
{
    TestFigure f(900, 541);
    ResetFigure(f.state, f.controls);
    const double radius = 5 * double(f.state.GridUnit);
    for (std::int64_t angle = -400; angle <= 400; ++angle) {
        f.state.AngleA = angle;
        MoveVertexA(f.state, f.controls);
        // Within the rounding of 541 pixels' worth of doubles.
        EXPECT_NEAR(std::hypot(f.state.Ax - 450, f.state.Ay - f.state.By), radius, 1e-9);
        for (const auto* lines : {&f.Line1, &f.Line2, &f.Line3}) {
            for (const controls::Line& line : *lines)
                ASSERT_TRUE(std::isfinite(line.X1 + line.Y1 + line.X2 + line.Y2)) << angle;
        }
    }
}

// At 0 degrees in a 900 x 540 window A falls exactly on C.
TEST(MoveVertexA, throughCShrinksTheMarkAtAAndGoesOn)
{
    TestFigure f = MovedTo(0);
    ASSERT_EQ(f.state.Ax, double(f.state.Cx));
    ASSERT_EQ(f.state.Ay, f.state.Cy);
    EXPECT_EQ(f.Line3[0].X1, 720.0f);
    EXPECT_EQ(f.Line3[1].Y2, 432.0f);
    EXPECT_EQ(f.Label3[2].Caption(), " 0cm");

    f.state.AngleA = -3;
    MoveVertexA(f.state, f.controls);
    EXPECT_NE(f.Line3[0].X1, f.Line3[0].X2);
    EXPECT_EQ(f.Label3[2].Caption(), "0.1cm");
}

TEST(MoveVertexA, withoutAGridStepKeepsTheMarkAtALettersAndReadouts)
{
    TestFigure f(900, 541);
    ResetFigure(f.state, f.controls);
    const controls::Line markAtA = f.Line3[1];
    const TestFigure::Readouts readouts = f.readouts();
    f.form.ScaleHeight = 0;
    ResetFigure(f.state, f.controls);

    f.state.AngleA = 10;
    MoveVertexA(f.state, f.controls);
    EXPECT_EQ(f.Line3[1], markAtA);
    EXPECT_EQ(f.readouts(), readouts);
    EXPECT_EQ(f.state.Ax, 450.0);
}

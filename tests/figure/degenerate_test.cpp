#include "testfigure.h"

#include "figure/initialfigure.h"
#include "figure/lengths.h"
#include "figure/vertexplacement.h"

#include "support/finitecontrols.h"

#include <gtest/gtest.h>

#include <cmath>

using figure::ResetFigure;

namespace {

// No control may ever hold a coordinate that is not finite.
void ExpectAllFinite(const TestFigure& f)
{
    EXPECT_TRUE(AllCoordinatesFinite(f));
}

void ExpectSameFigure(const TestFigure& a, const TestFigure& b)
{
    EXPECT_EQ(a.state.Ax, b.state.Ax);
    EXPECT_EQ(a.state.Ay, b.state.Ay);
    EXPECT_EQ(a.state.GridUnit, b.state.GridUnit);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(a.Line1[i], b.Line1[i]);
        EXPECT_EQ(a.Label1[i], b.Label1[i]);
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(a.Line2[i], b.Line2[i]);
        EXPECT_EQ(a.Line3[i], b.Line3[i]);
        EXPECT_EQ(a.Label4[i], b.Label4[i]);
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(a.Label3[i], b.Label3[i]);
}

} // namespace

// A minimized window, or one sized down to its caption bar: no grid step, and
// A, B and C on one point. The construction stops after the mark at D; the
// mark at A, the letters and the read-outs keep what they showed last.
TEST(ZeroHeight, resetStopsBeforeTheMarkAtAAndKeepsTheLastReadouts)
{
    TestFigure f(900, 541);
    ResetFigure(f.state, f.controls);
    const controls::Line markAtA = f.Line3[0];
    const controls::Label letterA = f.Label1[0];

    f.form.ScaleHeight = 0;
    ResetFigure(f.state, f.controls);

    EXPECT_EQ(f.state.GridUnit, 0.0f);
    EXPECT_EQ(f.state.Ax, 450.0);
    EXPECT_EQ(f.state.Ay, 0.0);
    EXPECT_EQ(f.state.Bx, 450.0f);
    EXPECT_EQ(f.state.Cx, 450.0f);
    EXPECT_EQ(f.Line1[1].X2, 450.0f);
    EXPECT_EQ(f.Line2[0].X1, 450.0f);
    EXPECT_EQ(f.Line3[0], markAtA);
    EXPECT_EQ(f.Label1[0], letterA);
    EXPECT_EQ(f.Label3[1].Caption(), " 4cm");
    EXPECT_EQ(f.state.AngleA, 74);
    EXPECT_EQ(f.state.Dragging, 0);
    ExpectAllFinite(f);
}

TEST(ZeroHeight, theNextResetWithHeightRestoresTheWholeFigure)
{
    TestFigure f(900, 541);
    f.form.ScaleHeight = 0;
    ResetFigure(f.state, f.controls); // even as the very first reset
    ExpectAllFinite(f);

    f.form.ScaleHeight = 541;
    ResetFigure(f.state, f.controls);

    TestFigure fresh(900, 541);
    ResetFigure(fresh.state, fresh.controls);
    ExpectSameFigure(f, fresh);
}

TEST(ZeroHeight, lengthsLeaveTheReadoutsAsTheyAre)
{
    TestFigure f;
    ResetFigure(f.state, f.controls);
    const TestFigure::Readouts before = f.readouts();
    f.state.GridUnit = 0;
    figure::UpdateLengths(f.state, f.controls);
    EXPECT_EQ(f.readouts(), before);
}

// With A exactly on B or C there is no angle at A: the mark shrinks to the
// point A, while the rest of the figure and the read-outs stay correct.
TEST(AOnAVertex, theMarkAtAShrinksToThePointA)
{
    for (const bool onC : {true, false}) {
        TestFigure f(900, 540);
        ResetFigure(f.state, f.controls);
        f.state.Ax = onC ? f.state.Cx : f.state.Bx;
        f.state.Ay = f.state.By;

        figure::PlaceMarkAtA(f.state, f.controls);
        figure::PlaceLetters(f.state, f.controls);
        figure::UpdateLengths(f.state, f.controls);

        for (const controls::Line& stroke : f.Line3) {
            EXPECT_EQ(stroke.X1, float(f.state.Ax));
            EXPECT_EQ(stroke.Y1, float(f.state.Ay));
            EXPECT_EQ(stroke.X2, float(f.state.Ax));
            EXPECT_EQ(stroke.Y2, float(f.state.Ay));
        }
        EXPECT_EQ(f.Label1[0].Left, float(f.state.Ax - 9));
        EXPECT_EQ(f.Label3[1].Caption(), onC ? " 5cm" : " 0cm");
        EXPECT_EQ(f.Label3[2].Caption(), onC ? " 0cm" : " 5cm");
        EXPECT_EQ(f.Label4[0].Caption(), " 0cm");
        EXPECT_EQ(f.Label4[1].Caption(), onC ? " 5cm" : " 0cm");
        ExpectAllFinite(f);
    }
}

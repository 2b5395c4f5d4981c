#include "testfigure.h"

#include "figure/initialfigure.h"
#include "figure/lengths.h"
#include "figure/movevertex.h"

#include <gtest/gtest.h>

#include <string>

using figure::ResetFigure;
using figure::UpdateLengths;

namespace {

constexpr double ThreeDecimals = 0.0005;

std::string Caption(const controls::Label& label)
{
    return label.Caption();
}

} // namespace

TEST(UpdateLengths, readsTheInitialFigureOfEitherExampleWindow)
{
    for (const auto& [width, height] : {std::pair{900.0f, 541.0f}, std::pair{13500.0f, 8115.0f}}) {
        TestFigure f(width, height);
        ResetFigure(f.state, f.controls);
        EXPECT_EQ(Caption(f.Label3[0]), "５cm");
        EXPECT_EQ(Caption(f.Label3[1]), " 4cm");
        EXPECT_EQ(Caption(f.Label3[2]), " 3cm");
        EXPECT_EQ(Caption(f.Label4[0]), " 2.4cm");
        EXPECT_EQ(Caption(f.Label4[1]), " 3.2cm");
    }
}

TEST(UpdateLengths, placesTheDesignSizedReadoutsBesideTheirSegments)
{
    TestFigure f(900, 541); // every label measures 52 x 27
    ResetFigure(f.state, f.controls);

    EXPECT_EQ(f.Label3[0].Left, 424.0f);
    EXPECT_NEAR(f.Label3[0].Top, 459.9, ThreeDecimals);
    EXPECT_NEAR(f.Label3[1].Left, 275.115, ThreeDecimals);
    EXPECT_NEAR(f.Label3[1].Top, 289.314, ThreeDecimals);
    EXPECT_NEAR(f.Label3[2].Left, 637.615, ThreeDecimals);
    EXPECT_NEAR(f.Label3[2].Top, 289.314, ThreeDecimals);
    EXPECT_NEAR(f.Label4[0].Left, 529.730, ThreeDecimals);
    EXPECT_NEAR(f.Label4[0].Top, 316.314, ThreeDecimals);
    EXPECT_NEAR(f.Label4[1].Left, 326.115, ThreeDecimals);
    EXPECT_NEAR(f.Label4[1].Top, 400.8, ThreeDecimals);
}

// The AB read-out ends 25 left of the middle of AB however wide its text, and
// the BD read-out follows by half the AB read-out's width.
TEST(UpdateLengths, keepsTheAbReadoutsRightEdgeWhateverItsWidth)
{
    TestFigure f;
    ResetFigure(f.state, f.controls);
    const float narrowLeft = f.Label3[1].Left;
    const float narrowBd = f.Label4[1].Left;

    f.metrics.SetSize(80, 27);
    UpdateLengths(f.state, f.controls);

    const double middleOfAB = (f.state.Ax + f.state.Bx) / 2;
    EXPECT_NEAR(f.Label3[1].Left + f.Label3[1].Width(), middleOfAB - 25, 1e-4);
    EXPECT_NEAR(f.Label3[1].Left, narrowLeft - 28, 1e-4);
    EXPECT_NEAR(f.Label4[1].Left, narrowBd - 14, 1e-4);
}

TEST(UpdateLengths, updatesHiddenReadoutsWithoutShowingThem)
{
    TestFigure f;
    ResetFigure(f.state, f.controls); // all boxes cleared: all hidden
    f.state.Ax = f.state.Cx;          // A on C
    f.state.Ay = f.state.Cy;
    UpdateLengths(f.state, f.controls);

    EXPECT_EQ(Caption(f.Label3[1]), " 5cm");
    EXPECT_EQ(Caption(f.Label3[2]), " 0cm");
    EXPECT_EQ(Caption(f.Label4[0]), " 0cm");
    EXPECT_EQ(Caption(f.Label4[1]), " 5cm");
    for (const controls::Label& readout : f.Label3)
        EXPECT_FALSE(readout.Visible);
    for (const controls::Label& readout : f.Label4)
        EXPECT_FALSE(readout.Visible);
}

TEST(CheckClicks, showAndHideTheirOwnReadouts)
{
    TestFigure f;
    ResetFigure(f.state, f.controls);

    f.Check2.Value = 1;
    figure::Check2_Click(f.controls);
    for (const controls::Label& readout : f.Label3)
        EXPECT_TRUE(readout.Visible);
    EXPECT_FALSE(f.Label4[0].Visible);
    EXPECT_FALSE(f.Label4[1].Visible);

    f.Check4.Value = 1;
    figure::Check4_Click(f.controls);
    EXPECT_TRUE(f.Label4[1].Visible);
    EXPECT_FALSE(f.Label4[0].Visible);

    f.Check2.Value = 0;
    figure::Check2_Click(f.controls);
    for (const controls::Label& readout : f.Label3)
        EXPECT_FALSE(readout.Visible);
}

TEST(UpdateLengths, readsTheFigureWhereverADragPutsA)
{
    struct Case {
        std::int64_t angle;
        const char* ab;
        const char* ac;
        const char* ad;
        const char* bd;
    };
    for (const Case& expected : {Case{0, " 5cm", " 0cm", " 0cm", " 5cm"},
                                 Case{10, " 5cm", "0.4cm", "0.4cm", " 5cm"},
                                 Case{90, " 3.5cm", " 3.5cm", " 2.5cm", " 2.5cm"},
                                 Case{180, " 0cm", " 5cm", " 0cm", " 0cm"}}) {
        TestFigure f(900, 541);
        ResetFigure(f.state, f.controls);
        f.state.AngleA = expected.angle;
        figure::MoveVertexA(f.state, f.controls);
        EXPECT_EQ(Caption(f.Label3[1]), expected.ab) << expected.angle;
        EXPECT_EQ(Caption(f.Label3[2]), expected.ac) << expected.angle;
        EXPECT_EQ(Caption(f.Label4[0]), expected.ad) << expected.angle;
        EXPECT_EQ(Caption(f.Label4[1]), expected.bd) << expected.angle;
        EXPECT_EQ(Caption(f.Label3[0]), "５cm");
    }
}

#include "form/form1.h"

#include "support/openedform.h"

#include <gtest/gtest.h>

namespace {

constexpr int Left = 1, Right = 2, Middle = 4;

} // namespace

TEST(Form_MouseMove, turnsAOneDegreePerMoveLeftUpOtherwiseDown)
{
    for (const int button : {Left, Right, Middle}) {
        OpenedForm f;
        f.Drag(button, 500, 300, {{499, 300}, {400, 300}, {399.9f, 250}}); // left, however little
        EXPECT_EQ(f.angle(), 77) << button;
        f.Drag(button, 500, 300, {{501, 300}, {800, 300}}); // right
        EXPECT_EQ(f.angle(), 75) << button;
        f.Drag(button, 500, 300, {{500, 320}, {500, 100}}); // straight down and up
        EXPECT_EQ(f.angle(), 73) << button;
        // Reports at the place of the last one are no moves (the first once
        // lowered AngleA): at the press, and again at the next place.
        f.Drag(button, 500, 300, {{500, 300}, {500, 301}, {500, 301}, {500, 301}});
        EXPECT_EQ(f.angle(), 72) << button;
    }
}

TEST(Form_MouseMove, movesANothingWithoutADrag)
{
    OpenedForm f;
    const app::Form1Controls before = f.form.Controls();
    f.form.Form_MouseMove(0, 0, 10, 10);
    f.form.Form_MouseMove(Left, 0, 900, 10);
    EXPECT_EQ(f.angle(), 74);
    EXPECT_EQ(f.form.Controls().Line1[1], before.Line1[1]);

    f.ChooseMemo();
    f.form.Form_MouseMove(Left, 0, 20, 20);
    EXPECT_TRUE(f.surface.segments.empty());
}

TEST(Form_MouseDown, andUpWithNoMoveBetweenChangeNothing)
{
    for (const bool memo : {false, true}) {
        OpenedForm f;
        if (memo)
            f.ChooseMemo();
        const app::Form1Controls before = f.form.Controls();
        f.Drag(Left, 300, 300, {});
        EXPECT_EQ(f.angle(), 74);
        EXPECT_EQ(f.form.State().Dragging, 0);
        EXPECT_EQ(f.form.Controls().Line1[3], before.Line1[3]);
        EXPECT_TRUE(f.surface.segments.empty());
    }
}

TEST(Form_MouseMove, inMemoModeDrawsAChainOfSegmentsFromThePressPoint)
{
    OpenedForm f;
    f.ChooseMemo();
    f.Drag(Right, 10, 20, {{30, 40}, {30, 40}, {-50, 2000}});

    ASSERT_EQ(f.surface.segments.size(), 2u); // the unmoved report draws none (once one of no length)
    const auto& first = f.surface.segments[0];
    EXPECT_EQ(first.x1, 10);
    EXPECT_EQ(first.y1, 20);
    EXPECT_EQ(first.x2, 30);
    EXPECT_EQ(first.y2, 40);
    EXPECT_EQ(f.surface.segments[1].x1, 30);
    EXPECT_EQ(f.surface.segments[1].x2, -50); // and beyond the window
    EXPECT_EQ(f.angle(), 74);
}

TEST(Option1_Click, eitherButtonErasesTheMemo)
{
    OpenedForm f;
    const int clears = f.surface.clears;
    f.ChooseMemo();
    f.Drag(Left, 10, 20, {{30, 40}});
    f.form.Option1_Click(1);
    EXPECT_TRUE(f.surface.segments.empty());
    f.form.Option1_Click(0);
    EXPECT_EQ(f.surface.clears, clears + 3);
}

TEST(Command1_Click, resetsTheFigureOverTheMemo)
{
    OpenedForm f;
    f.Drag(Left, 500, 300, {{400, 300}, {300, 300}});
    f.ChooseMemo();
    f.Drag(Left, 10, 20, {{30, 40}});
    const int clears = f.surface.clears;

    f.form.Command1_Click();

    EXPECT_EQ(f.angle(), 74);
    EXPECT_EQ(f.surface.clears, clears);
    EXPECT_EQ(f.surface.segments.size(), 1u);
}

TEST(Form_Resize, erasesTheMemoAndRebuildsTheFigureForTheNewSize)
{
    OpenedForm f;
    f.Drag(Left, 500, 300, {{400, 300}});
    f.ChooseMemo();
    f.Drag(Left, 10, 20, {{30, 40}});

    f.form.Controls().Form1.ScaleWidth = 1200;
    f.form.Controls().Form1.ScaleHeight = 700;
    f.form.Form_Resize();

    EXPECT_TRUE(f.surface.segments.empty());
    EXPECT_EQ(f.angle(), 74);
    EXPECT_EQ(f.form.State().GridUnit, 70.0f);
    EXPECT_EQ(f.form.State().By, 560.0);
    EXPECT_EQ(f.form.State().Bx, 250.0f);
}

TEST(ResetFigure, duringADragEndsIt)
{
    for (const bool resize : {false, true}) {
        OpenedForm f;
        f.form.Form_MouseDown(Left, 0, 500, 300);
        f.form.Form_MouseMove(Left, 0, 400, 300);
        if (resize)
            f.form.Form_Resize();
        else
            f.form.Command1_Click();
        f.form.Form_MouseMove(Left, 0, 300, 300);
        EXPECT_EQ(f.angle(), 74);
        EXPECT_EQ(f.form.State().Dragging, 0);
    }
}

// A reset shows a hidden grid but leaves the box and GridShown alone; the
// next click finds GridShown 0, shows the grid and repaints; the one after
// hides it without a repaint of its own.
TEST(Check1_Click, goesByGridShownAfterAResetWithTheGridHidden)
{
    OpenedForm f;
    const auto gridVisible = [&] {
        bool all = true;
        for (const controls::Line& line : f.form.Controls().Line6)
            all = all && line.Visible;
        for (const controls::Line& line : f.form.Controls().Line5)
            all = all && line.Visible;
        return all;
    };
    const auto click = [&] {
        controls::CheckBox& box = f.form.Controls().Check1;
        box.Value = 1 - box.Value;
        f.form.Check1_Click();
    };

    click();
    EXPECT_FALSE(f.form.Controls().Line5[3].Visible);
    EXPECT_EQ(f.form.State().GridShown, 0);
    EXPECT_EQ(f.surface.refreshes, 0);

    f.form.Command1_Click();
    EXPECT_TRUE(gridVisible());
    EXPECT_EQ(f.form.Controls().Check1.Value, 0);
    EXPECT_EQ(f.form.State().GridShown, 0);

    click();
    EXPECT_EQ(f.form.Controls().Check1.Value, 1);
    EXPECT_TRUE(gridVisible());
    EXPECT_EQ(f.form.State().GridShown, 1);
    EXPECT_EQ(f.surface.refreshes, 1);

    click();
    EXPECT_FALSE(f.form.Controls().Line6[0].Visible);
    EXPECT_EQ(f.surface.refreshes, 1);
    EXPECT_EQ(f.surface.clears, 1); // only the first resize's: the grid box never erases the memo
}

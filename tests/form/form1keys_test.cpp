#include "form/form1.h"
#include "form/keycodes.h"

#include "support/openedform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace app;

namespace {

constexpr int NoShift = 0;

// The figure as far as a key or a mouse move can change it.
void ExpectSameFigure(const Form1& a, const Form1& b)
{
    EXPECT_EQ(a.State().AngleA, b.State().AngleA);
    EXPECT_EQ(a.State().Ax, b.State().Ax);
    EXPECT_EQ(a.State().Ay, b.State().Ay);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(a.Controls().Line1[i], b.Controls().Line1[i]) << "Line1 " << i;
    EXPECT_EQ(a.Controls().Line2[0], b.Controls().Line2[0]);
    EXPECT_EQ(a.Controls().Line3[1], b.Controls().Line3[1]);
    EXPECT_EQ(a.Controls().Label1[0].Left, b.Controls().Label1[0].Left);
    EXPECT_EQ(a.Controls().Label3[1].Caption(), b.Controls().Label3[1].Caption());
    EXPECT_EQ(a.Controls().Label4[1].Left, b.Controls().Label4[1].Left);
}

} // namespace

// Each key is one move of the mouse: the same AngleA and every control
// where a drag of as many moves puts it.
TEST(Figure_KeyDown, stepsAExactlyAsMovesOfTheMouseDo)
{
    OpenedForm keyed;
    OpenedForm dragged;
    EXPECT_TRUE(keyed.form.Figure_KeyDown(vbKeyLeft, NoShift));
    EXPECT_TRUE(keyed.form.Figure_KeyDown(vbKeyPageUp, NoShift));
    EXPECT_TRUE(keyed.form.Figure_KeyDown(vbKeyPageUp, NoShift));
    dragged.Drag(1, 500, 300, {{490, 300}, {480, 300}, {470, 300}});
    EXPECT_EQ(keyed.angle(), 77);
    ExpectSameFigure(keyed.form, dragged.form);

    EXPECT_TRUE(keyed.form.Figure_KeyDown(vbKeyRight, NoShift));
    EXPECT_TRUE(keyed.form.Figure_KeyDown(vbKeyPageDown, NoShift));
    dragged.Drag(1, 500, 300, {{510, 300}, {520, 300}});
    EXPECT_EQ(keyed.angle(), 75);
    ExpectSameFigure(keyed.form, dragged.form);
}

TEST(Figure_KeyDown, withShiftMakesTenSingleSteps)
{
    OpenedForm shifted;
    OpenedForm single;
    EXPECT_TRUE(shifted.form.Figure_KeyDown(vbKeyLeft, vbShiftMask));
    for (int i = 0; i < 10; ++i)
        single.form.Figure_KeyDown(vbKeyLeft, NoShift);
    EXPECT_EQ(shifted.angle(), 84);
    ExpectSameFigure(shifted.form, single.form);

    shifted.form.Figure_KeyDown(vbKeyPageDown, vbShiftMask);
    shifted.form.Figure_KeyDown(vbKeyRight, vbShiftMask);
    EXPECT_EQ(shifted.angle(), 64);
}

// A key pressed while a button is held turns A but leaves the drag to the
// mouse: its next move goes on from where the pointer last was.
TEST(Figure_KeyDown, leavesADragInProgressToTheMouse)
{
    OpenedForm f;
    f.form.Form_MouseDown(1, 0, 500, 300);
    f.form.Form_MouseMove(1, 0, 490, 280);
    f.form.Figure_KeyDown(vbKeyRight, vbShiftMask);
    EXPECT_EQ(f.angle(), 65);
    EXPECT_EQ(f.form.State().Dragging, 1);
    EXPECT_EQ(f.form.State().LastX, 490.0f);
    EXPECT_EQ(f.form.State().LastY, 280.0f);
    f.form.Form_MouseMove(1, 0, 489, 280);
    EXPECT_EQ(f.angle(), 66);
}

// In memo mode the keys are still the figure's, so a front end gives them
// to nothing else, but they draw nothing and leave A where it is.
TEST(Figure_KeyDown, inMemoModeTakesTheMovingKeysAndDoesNothing)
{
    OpenedForm f;
    f.ChooseMemo();
    f.Drag(1, 10, 20, {{30, 40}});
    const Form1Controls before = f.form.Controls();
    for (const int key : {vbKeyLeft, vbKeyRight, vbKeyPageUp, vbKeyPageDown}) {
        EXPECT_TRUE(f.form.Figure_KeyDown(key, NoShift));
        EXPECT_TRUE(f.form.Figure_KeyDown(key, vbShiftMask));
    }
    EXPECT_EQ(f.angle(), 74);
    EXPECT_EQ(f.form.Controls().Line1[3], before.Line1[3]);
    EXPECT_EQ(f.surface.segments.size(), 1u);
}

// Home is the reset button in either mode: A back at 74, the memo kept, and
// like the button it ends a drag.
TEST(Figure_KeyDown, homePressesTheResetButton)
{
    for (const bool memo : {false, true}) {
        OpenedForm f;
        f.Drag(1, 500, 300, {{400, 300}, {300, 300}});
        if (memo) {
            f.ChooseMemo();
            f.Drag(1, 10, 20, {{30, 40}});
        }
        const int clears = f.surface.clears;
        f.form.Form_MouseDown(1, 0, 500, 300);
        EXPECT_TRUE(f.form.Figure_KeyDown(vbKeyHome, NoShift));
        EXPECT_EQ(f.angle(), 74);
        EXPECT_EQ(f.form.State().Dragging, 0);
        EXPECT_EQ(f.surface.clears, clears);
        EXPECT_EQ(f.surface.segments.size(), memo ? 1u : 0u);
    }
}

TEST(Figure_KeyDown, leavesOtherKeysAndCtrlOrAltCombinationsAlone)
{
    OpenedForm f;
    f.Drag(1, 500, 300, {{400, 300}});
    for (const int key : {0, 13, 32, 35, 38, 40, 67})
        EXPECT_FALSE(f.form.Figure_KeyDown(key, NoShift)) << key;
    EXPECT_FALSE(f.form.Figure_KeyDown(vbKeyLeft, vbCtrlMask));
    EXPECT_FALSE(f.form.Figure_KeyDown(vbKeyRight, vbAltMask | vbShiftMask));
    EXPECT_FALSE(f.form.Figure_KeyDown(vbKeyHome, vbCtrlMask));
    EXPECT_EQ(f.angle(), 75);
}

// S steps the lesson on and Shift+S back, between off and the last step, in
// either mode; F1 shows the list of keys, and the next key, whichever, only
// closes it.
TEST(Figure_KeyDown, stepsTheLessonAndShowsTheKeys)
{
    OpenedForm f;
    f.ChooseMemo();
    EXPECT_TRUE(f.form.Figure_KeyDown(vbKeyS, vbShiftMask));
    EXPECT_EQ(f.form.LessonStep(), 0);
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(f.form.Figure_KeyDown(vbKeyS, NoShift));
    EXPECT_EQ(f.form.LessonStep(), 9);
    EXPECT_TRUE(f.form.Controls().Lesson.Panel.Visible);
    EXPECT_FALSE(f.form.Figure_KeyDown(vbKeyS, vbCtrlMask)); // Ctrl+S saves
    f.form.Figure_KeyDown(vbKeyS, vbShiftMask);
    EXPECT_EQ(f.form.LessonStep(), 8);

    EXPECT_TRUE(f.form.Figure_KeyDown(vbKeyF1, NoShift));
    EXPECT_TRUE(f.form.KeyHelpShown());
    EXPECT_TRUE(f.form.Figure_KeyDown(vbKeyS, vbCtrlMask));
    EXPECT_FALSE(f.form.KeyHelpShown());
    EXPECT_EQ(f.form.LessonStep(), 8);
}

// A presenter remote runs the lesson: F5 starts it at its first step as a
// slide show starts (Shift+F5 where it is, once on), Esc ends it; while it
// is on Page Down and Page Up step it as S and Shift+S do, in either mode;
// while it is off they turn A as Right and Left do, in move mode only. The
// arrows always turn A; Ctrl+F5 and Esc with no lesson are not the figure's.
TEST(Figure_KeyDown, runsTheLessonFromAPresenterRemote)
{
    struct Row {
        int step;
        bool memo;
        int key;
        int shift;
        bool taken;
        int stepAfter;
        std::int64_t angleAfter;
    };
    const Row rows[] = {
        {0, false, vbKeyF5, NoShift, true, 1, 74},        {3, false, vbKeyF5, NoShift, true, 1, 74},
        {3, false, vbKeyF5, vbShiftMask, true, 3, 74},    {0, false, vbKeyF5, vbShiftMask, true, 1, 74},
        {3, false, vbKeyF5, vbCtrlMask, false, 3, 74},    {3, false, vbKeyEscape, NoShift, true, 0, 74},
        {0, false, vbKeyEscape, NoShift, false, 0, 74},   {3, false, vbKeyPageDown, NoShift, true, 4, 74},
        {3, false, vbKeyPageUp, NoShift, true, 2, 74},    {3, false, vbKeyPageDown, vbShiftMask, true, 4, 74},
        {9, false, vbKeyPageDown, NoShift, true, 9, 74},  {1, false, vbKeyPageUp, NoShift, true, 0, 74},
        {0, false, vbKeyPageDown, NoShift, true, 0, 73},  {0, false, vbKeyPageUp, vbShiftMask, true, 0, 84},
        {3, false, vbKeyRight, NoShift, true, 3, 73},     {3, false, vbKeyLeft, vbShiftMask, true, 3, 84},
        {3, true, vbKeyPageDown, NoShift, true, 4, 74},   {3, true, vbKeyPageUp, NoShift, true, 2, 74},
        {0, true, vbKeyF5, NoShift, true, 1, 74},         {3, true, vbKeyEscape, NoShift, true, 0, 74},
        {0, true, vbKeyPageDown, NoShift, true, 0, 74},   {3, true, vbKeyRight, NoShift, true, 3, 74},
    };
    for (const Row& row : rows) {
        OpenedForm f;
        if (row.memo)
            f.ChooseMemo();
        f.form.SetLessonStep(row.step);
        const std::string where = "key " + std::to_string(row.key) + " shift " + std::to_string(row.shift)
            + " at step " + std::to_string(row.step) + (row.memo ? " in memo mode" : "");
        EXPECT_EQ(f.form.Figure_KeyDown(row.key, row.shift), row.taken) << where;
        EXPECT_EQ(f.form.LessonStep(), row.stepAfter) << where;
        EXPECT_EQ(f.angle(), row.angleAfter) << where;
        EXPECT_EQ(f.form.Controls().Lesson.Panel.Visible, row.stepAfter > 0) << where;
    }
}

// F1 lists what acts in the mode: in memo mode nothing that moves A, and
// everything else the list of move mode has, the lesson's keys and the
// menu's among them.
TEST(Figure_KeyDown, listsTheKeysOfTheMode)
{
    const auto listed = [](bool memo) {
        OpenedForm f;
        if (memo)
            f.ChooseMemo();
        f.form.Figure_KeyDown(vbKeyF1, NoShift);
        std::vector<std::string> rows;
        const KeyHelp& help = f.form.Controls().Help;
        for (int i = 0; i < KeyHelp::Rows; ++i) {
            EXPECT_EQ(help.Keys[std::size_t(i)].Visible, i < help.Count);
            if (i < help.Count)
                rows.push_back(help.Keys[std::size_t(i)].Caption() + " " + help.Actions[std::size_t(i)].Caption());
        }
        return rows;
    };
    const std::vector<std::string> move = listed(false);
    const std::vector<std::string> memo = listed(true);
    EXPECT_LT(memo.size(), move.size());
    for (const std::string& row : memo) {
        EXPECT_NE(std::find(move.begin(), move.end(), row), move.end()) << row;
        EXPECT_EQ(row.find("A を"), std::string::npos) << row;
        EXPECT_EQ(row.find("10°"), std::string::npos) << row;
    }
    for (const char* needed : {"F5", "Esc", "Page Down", "メニュー", "F1"}) {
        const auto has = [needed](const std::string& row) { return row.find(needed) != std::string::npos; };
        EXPECT_TRUE(std::any_of(memo.begin(), memo.end(), has)) << needed;
    }
}

// A right click that moved nothing opens the figure's menu, and a finger
// held still; a press that turned A or drew ink never does, nor one that
// another button joined, nor a release whose press the figure never saw.
TEST(Figure_Menu, opensOnlyForAPressThatMovedNothing)
{
    OpenedForm f;
    f.form.Form_MouseDown(vbRightButton, 0, 500, 300);
    EXPECT_TRUE(f.form.LongPressOpensMenu());
    f.form.Form_MouseMove(vbRightButton, 0, 500, 300); // a report at the same place is no move
    f.form.Form_MouseUp(vbRightButton, 0, 500, 300);
    EXPECT_TRUE(f.form.RightClickOpensMenu(vbRightButton));
    EXPECT_FALSE(f.form.RightClickOpensMenu(vbLeftButton));
    f.form.Form_MouseUp(vbRightButton, 0, 500, 300); // no press before it
    EXPECT_FALSE(f.form.RightClickOpensMenu(vbRightButton));

    f.Drag(vbRightButton, 500, 300, {{499, 300}});
    EXPECT_FALSE(f.form.RightClickOpensMenu(vbRightButton));
    f.ChooseMemo();
    f.form.Form_MouseDown(vbLeftButton, 0, 500, 300);
    f.form.Form_MouseMove(vbLeftButton, 0, 501, 300);
    EXPECT_FALSE(f.form.LongPressOpensMenu());
    f.form.Form_MouseUp(vbLeftButton, 0, 501, 300);
    f.form.Form_MouseDown(vbRightButton, 0, 500, 300);
    f.form.Form_MouseDown(vbLeftButton, 0, 500, 300);
    f.form.Form_MouseUp(vbLeftButton, 0, 500, 300);
    f.form.Form_MouseUp(vbRightButton, 0, 500, 300);
    EXPECT_FALSE(f.form.RightClickOpensMenu(vbRightButton));

    // Its entries: the lesson's, by whether it is on, and what each does.
    EXPECT_EQ(FigureMenu(f.form.Controls())[0].Command, FigureCommand::StartLesson);
    EXPECT_TRUE(f.form.Menu_Click(FigureCommand::StartLesson));
    EXPECT_EQ(f.form.LessonStep(), 1);
    EXPECT_EQ(FigureMenu(f.form.Controls())[0].Command, FigureCommand::EndLesson);
    EXPECT_TRUE(f.form.Menu_Click(FigureCommand::ShowKeys));
    EXPECT_TRUE(f.form.KeyHelpShown());
    EXPECT_FALSE(f.form.Menu_Click(FigureCommand::Save));
    EXPECT_TRUE(f.form.Menu_Click(FigureCommand::EndLesson));
    EXPECT_EQ(f.form.LessonStep(), 0);
}

#include "controls/controlarray.h"
#include "controls/line.h"

#include <gtest/gtest.h>

using controls::ControlArray;
using controls::Line;

TEST(ControlArray, loadCreatesHiddenCopiesOfTheFirstElement)
{
    ControlArray<Line> lines{Line{.X1 = 1, .Y1 = 2, .X2 = 3, .Y2 = 4,
                                  .BorderColor = {0xC0C0C0}, .BorderWidth = 2, .Visible = true}};
    lines[0].X1 = 7; // run-time changes to element 0 are copied too

    lines.Load(1);
    lines.Load(2);

    ASSERT_EQ(lines.Count(), 3);
    for (int i = 1; i < 3; ++i) {
        EXPECT_FALSE(lines[i].Visible);
        EXPECT_EQ(lines[i].BorderColor, controls::Color{0xC0C0C0});
        EXPECT_EQ(lines[i].BorderWidth, 2);
        EXPECT_EQ(lines[i].X1, 7);
    }
    EXPECT_TRUE(lines[0].Visible);
}

TEST(ControlArray, elementsStayWhereTheyAreWhenMoreAreLoaded)
{
    ControlArray<Line> lines{Line{}};
    const Line* first = &lines[0];
    lines.Load(1);
    const Line* second = &lines[1];
    for (int i = 2; i < 100; ++i)
        lines.Load(i);

    EXPECT_EQ(&lines[0], first);
    EXPECT_EQ(&lines[1], second);
}

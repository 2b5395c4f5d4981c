#include "form/form1.h"

#include "support/recordingsurface.h"

#include <gtest/gtest.h>

TEST(Form_Load, createsAndShowsTheWholeGridForTheDesignClientArea)
{
    RecordingSurface surface;
    app::Form1 form(surface, nullptr);
    form.Form_Load();

    const app::Form1Controls& c = form.Controls();
    EXPECT_EQ(form.State().GridUnit, 54.099998474121094f);
    EXPECT_EQ(form.State().GridShown, 1);
    ASSERT_EQ(c.Line5.Count(), 11);
    ASSERT_EQ(c.Line6.Count(), 31);
    for (const auto* grid : {&c.Line5, &c.Line6}) {
        for (const controls::Line& line : *grid) {
            EXPECT_TRUE(line.Visible);
            EXPECT_EQ(line.BorderColor, controls::Color{0xC0C0C0});
            EXPECT_EQ(line.BorderWidth, 1);
        }
    }
    EXPECT_EQ(c.Line5[10].Y1, 541.0f);
    EXPECT_EQ(c.Line6[9].X1, -36.899993896484375f);
    EXPECT_EQ(surface.clears, 0);
}

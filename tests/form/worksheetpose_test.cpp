#include "form/form1.h"
#include "form/worksheetpose.h"

#include "support/fixedmetrics.h"
#include "support/recordingsurface.h"

#include <gtest/gtest.h>

namespace {

// A Form1 measured as the design sizes its read-outs.
struct TestForm {
    RecordingSurface surface;
    FixedMetrics metrics;
    app::Form1 form{surface, &metrics};
};

// The same lines, and the same labels in the same places: whether the
// read-outs show is for each test to say.
void ExpectSameFigure(const app::Form1Controls& a, const app::Form1Controls& b)
{
    for (const auto lines : {&app::Form1Controls::Line1, &app::Form1Controls::Line2, &app::Form1Controls::Line3,
                             &app::Form1Controls::Line5, &app::Form1Controls::Line6}) {
        ASSERT_EQ((a.*lines).Count(), (b.*lines).Count());
        for (int i = 0; i < (a.*lines).Count(); ++i)
            EXPECT_EQ((a.*lines)[i], (b.*lines)[i]) << i;
    }
    for (const auto labels : {&app::Form1Controls::Label1, &app::Form1Controls::Label3, &app::Form1Controls::Label4}) {
        for (int i = 0; i < (a.*labels).Count(); ++i) {
            EXPECT_EQ((a.*labels)[i].Left, (b.*labels)[i].Left) << i;
            EXPECT_EQ((a.*labels)[i].Top, (b.*labels)[i].Top) << i;
            EXPECT_EQ((a.*labels)[i].Caption(), (b.*labels)[i].Caption()) << i;
        }
    }
}

} // namespace

// Without a pose, or at 74 degrees, the figure is the one the window opens with.
TEST(PoseFigure, buildsTheFigureAsStartUpDoes)
{
    TestForm opened;
    opened.form.Form_Load();
    opened.form.Form_Resize();

    for (const std::optional<std::int64_t> angle : {std::optional<std::int64_t>(), std::optional<std::int64_t>(74)}) {
        TestForm posed;
        posed.form.Controls().Form1.ScaleWidth = 640; // the pose decides the client area
        posed.form.Controls().Form1.ScaleHeight = 480;
        app::PoseFigure(posed.form, app::WorksheetPose{.AngleA = angle});
        EXPECT_EQ(posed.form.State().AngleA, 74);
        EXPECT_EQ(posed.form.State().Ax, opened.form.State().Ax);
        EXPECT_EQ(posed.form.State().GridShown, 1);
        ExpectSameFigure(posed.form.Controls(), opened.form.Controls());
        EXPECT_FALSE(posed.form.Controls().Label3[1].Visible);
    }
}

// --angle 90 --lengths: A where sixteen moves to the left put it, every
// read-out shown with the lengths of the design's example.
TEST(PoseFigure, movesAAsADragWouldAndShowsTheLengths)
{
    TestForm dragged;
    dragged.form.Form_Load();
    dragged.form.Form_Resize();
    dragged.form.Form_MouseDown(1, 0, 600, 300);
    for (int i = 1; i <= 16; ++i)
        dragged.form.Form_MouseMove(1, 0, float(600 - i), 300);
    dragged.form.Form_MouseUp(1, 0, 584, 300);

    TestForm posed;
    app::PoseFigure(posed.form, app::WorksheetPose{.AngleA = 90, .Lengths = true});
    EXPECT_EQ(posed.form.State().AngleA, 90);
    ExpectSameFigure(posed.form.Controls(), dragged.form.Controls());

    const app::Form1Controls& c = posed.form.Controls();
    EXPECT_EQ(c.Label3[0].Caption(), "５cm");
    EXPECT_EQ(c.Label3[1].Caption(), " 3.5cm");
    EXPECT_EQ(c.Label3[2].Caption(), " 3.5cm");
    EXPECT_EQ(c.Label4[0].Caption(), " 2.5cm");
    EXPECT_EQ(c.Label4[1].Caption(), " 2.5cm");
    for (const auto* readout : {&c.Label3[0], &c.Label3[1], &c.Label3[2], &c.Label4[0], &c.Label4[1]})
        EXPECT_TRUE(readout->Visible);
    EXPECT_EQ(c.Check2.Value, 1);
    EXPECT_EQ(c.Check4.Value, 1);
}

// A window opened at a step keeps its step control, for the class to step
// on; a drawing made without a window has none.
TEST(PoseFigure, leavesTheStepControlToAWindowOpenedAtAStep)
{
    TestForm window;
    window.form.Form_Load();
    window.form.Form_Resize();
    app::ApplyPose(window.form, app::WorksheetPose{.AngleA = 30, .Lesson = 3});
    EXPECT_EQ(window.form.LessonStep(), 3);
    EXPECT_TRUE(window.form.Controls().Lesson.Steps.Visible);

    TestForm drawing;
    app::PoseFigure(drawing.form, app::WorksheetPose{.AngleA = 30, .Lesson = 3});
    EXPECT_EQ(drawing.form.LessonStep(), 3);
    EXPECT_FALSE(drawing.form.Controls().Lesson.Steps.Visible);
    EXPECT_TRUE(drawing.form.Controls().Lesson.Panel.Visible);
}

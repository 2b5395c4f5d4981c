#include "worksheetpose.h"

#include "form1.h"

#include "figure/movevertex.h"

namespace app {

void PoseFigure(Form1& form, const WorksheetPose& pose)
{
    Form1Controls& c = form.Controls();
    c.Form1.ScaleWidth = pose.Width;
    c.Form1.ScaleHeight = pose.Height;
    form.Form_Load();
    form.Form_Resize();

    // At 74 the figure is left exactly as the reset built it.
    constexpr std::int64_t initialAngle = 74;
    if (pose.AngleA && *pose.AngleA != initialAngle) {
        form.State().AngleA = *pose.AngleA;
        figure::MoveVertexA(form.State(), form.Figure());
    }
    if (pose.Lengths) {
        c.Check2.Value = 1;
        form.Check2_Click();
        c.Check3.Value = 1;
        form.Check3_Click();
        c.Check4.Value = 1;
        form.Check4_Click();
    }
    if (!pose.Grid) {
        c.Check1.Value = 0;
        form.Check1_Click();
    }
    if (pose.Lesson > 0) {
        c.Lesson.Blanks = pose.Blanks;
        c.Lesson.StepControl = false;
        form.SetLessonStep(pose.Lesson);
    }
}

} // namespace app

#include "worksheetpose.h"

#include "form1.h"

#include "figure/movevertex.h"

#include <utility>

namespace app {

void PoseFigure(Form1& form, const WorksheetPose& pose)
{
    Form1Controls& c = form.Controls();
    c.Form1.ScaleWidth = pose.Width;
    c.Form1.ScaleHeight = pose.Height;
    form.Form_Load();
    form.Form_Resize();
    // A drawing made without a window has no one to step its lesson.
    c.Lesson.StepControl = false;
    ApplyPose(form, pose);
}

void ApplyPose(Form1& form, const WorksheetPose& pose)
{
    Form1Controls& c = form.Controls();
    // Where A already stands the figure is left exactly as it is: at 74, as
    // the reset built it.
    if (pose.AngleA && *pose.AngleA != form.State().AngleA) {
        form.State().AngleA = *pose.AngleA;
        figure::MoveVertexA(form.State(), form.Figure());
    }
    if (pose.Lengths) {
        const std::pair<controls::CheckBox*, void (Form1::*)()> boxes[] = {
            {&c.Check2, &Form1::Check2_Click}, {&c.Check3, &Form1::Check3_Click}, {&c.Check4, &Form1::Check4_Click}};
        for (const auto& [box, click] : boxes) {
            if (box->Value == 0) {
                box->Value = 1;
                (form.*click)();
            }
        }
    }
    if (!pose.Grid && c.Check1.Value != 0) {
        c.Check1.Value = 0;
        form.Check1_Click();
    }
    if (pose.Lesson != form.LessonStep()) {
        c.Lesson.Blanks = pose.Blanks;
        form.SetLessonStep(pose.Lesson);
    }
}

} // namespace app

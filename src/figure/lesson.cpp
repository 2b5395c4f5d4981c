#include "lesson.h"

#include "clearance.h"
#include "figurecontrols.h"
#include "freespace.h"
#include "figurestate.h"
#include "lessonarcs.h"
#include "lessoncontrols.h"
#include "lessonpanel.h"
#include "lessontext.h"

#include <algorithm>

namespace figure {

namespace {

// Kept between the lesson and the figure, so that the two never touch. A
// label's box has room about its glyphs already, and the letters B, C and D
// stand only 3 pixels below BC, where the arcs begin.
constexpr double Gap = 3;
constexpr double LabelGap = 1;
constexpr double SidePen = 3; // the triangle's sides and the altitude

void HideAll(LessonControls& lesson)
{
    HideLessonPanel(lesson);
    HideLessonArcs(lesson);
    lesson.Spoken.clear();
}

} // namespace

LessonControls::LessonControls()
{
    HideAll(*this);
}

void AppendLessonArcs(const LessonControls& lesson, controls::Layer& layer)
{
    for (const controls::Line& line : lesson.Arcs)
        layer.push_back(&line);
}

void AppendLessonPanel(const LessonControls& lesson, controls::Layer& layer)
{
    layer.push_back(&lesson.Panel);
    layer.push_back(&lesson.StepsPanel);
    for (const controls::Label& label : lesson.Text)
        layer.push_back(&label);
    for (const controls::Line& line : lesson.Boxes)
        layer.push_back(&line);
}

void UpdateLesson(const FigureState& s, FigureControls& c)
{
    if (!c.Lesson)
        return;
    LessonControls& lesson = *c.Lesson;
    if (lesson.Step < 1 || !HasScale(s)) {
        HideAll(lesson);
        return;
    }

    // The arcs keep clear of the marks, the letters and the buttons (and
    // each of the sides it does not end on): an arc shows by its own angle's
    // room alone. A read-out lies over an arc as it lies over a side, on its
    // white box. The panel keeps clear of the letters, the read-outs, the
    // buttons and the whole triangle, in which the sides, the marks and the
    // arcs all lie.
    Clearance clearance;
    FreeSpace space;
    for (const auto* marks : {&c.Line2, &c.Line3}) {
        for (const controls::Line& line : *marks)
            clearance.AddLine(line, Gap);
    }
    for (const auto* labels : {&c.Label1, &c.Label3, &c.Label4}) {
        for (const controls::Label& label : *labels) {
            if (labels == &c.Label1)
                clearance.AddLabel(label, LabelGap);
            if (label.Visible) {
                const controls::PixelRect box = controls::PaintedBox(label);
                space.AddBox({box.left - LabelGap, box.top - LabelGap, box.right + LabelGap, box.bottom + LabelGap});
            }
        }
    }
    for (const controls::PixelRect& keep : lesson.Keepout) {
        const Clearance::Box box{keep.left - Gap, keep.top - Gap, keep.right + Gap, keep.bottom + Gap};
        clearance.AddBox(box);
        space.AddBox(box);
    }
    space.AddTriangle({s.Ax, s.Bx, s.Cx}, {s.Ay, s.By, s.Cy}, SidePen / 2 + Gap);

    const LessonText text = ComposeLesson(lesson.Step, lesson.Blanks, s);
    if (HasTriangle(s))
        PlaceLessonArcs(s, lesson, clearance);
    else
        HideLessonArcs(lesson);
    PlaceLessonPanel(text, c.Form1.ScaleWidth, c.Form1.ScaleHeight, s.GridUnit, lesson, space);
}

void SetLessonStep(const FigureState& s, FigureControls& c, int step)
{
    if (!c.Lesson)
        return;
    c.Lesson->Step = std::clamp(step, 0, LessonLastStep);
    UpdateLesson(s, c);
}

} // namespace figure

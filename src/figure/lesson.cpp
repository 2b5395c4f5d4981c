#include "lesson.h"

#include "clearance.h"
#include "figurecontrols.h"
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

void AppendLessonLayer(const LessonControls& lesson, controls::Layer& layer)
{
    layer.push_back(&lesson.Panel);
    for (const controls::Label& label : lesson.Text)
        layer.push_back(&label);
    for (const controls::Line& line : lesson.Boxes)
        layer.push_back(&line);
    for (const controls::Line& line : lesson.Arcs)
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

    Clearance clearance;
    for (const auto* marks : {&c.Line2, &c.Line3}) {
        for (const controls::Line& line : *marks)
            clearance.AddLine(line, Gap);
    }
    for (const auto* labels : {&c.Label1, &c.Label3, &c.Label4}) {
        for (const controls::Label& label : *labels)
            clearance.AddLabel(label, LabelGap);
    }
    for (const controls::PixelRect& keep : lesson.Keepout)
        clearance.AddBox({keep.left - Gap, keep.top - Gap, keep.right + Gap, keep.bottom + Gap});

    const LessonText text = ComposeLesson(lesson.Step, lesson.Blanks, s);
    if (HasTriangle(s))
        PlaceLessonArcs(s, lesson, clearance);
    else
        HideLessonArcs(lesson);
    for (const controls::Line& side : c.Line1)
        clearance.AddLine(side, Gap);
    PlaceLessonPanel(text, c.Form1.ScaleWidth, c.Form1.ScaleHeight, lesson, clearance);
    lesson.Spoken = text.spoken;
}

void SetLessonStep(const FigureState& s, FigureControls& c, int step)
{
    if (!c.Lesson)
        return;
    c.Lesson->Step = std::clamp(step, 0, LessonLastStep);
    UpdateLesson(s, c);
}

} // namespace figure

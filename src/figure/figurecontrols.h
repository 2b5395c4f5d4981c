#pragma once

#include "controls/buttons.h"
#include "controls/controlarray.h"
#include "controls/form.h"
#include "controls/label.h"
#include "controls/line.h"

namespace figure {

using controls::ControlArray;

struct LessonControls;

// The window's controls that the figure places, reads or shows. The window
// owns them; the figure's operations borrow them for the length of a call.
struct FigureControls {
    const controls::Form& Form1;             // ScaleWidth, ScaleHeight
    ControlArray<controls::Line>& Line1;     // BC, AB, AC and the altitude AD
    ControlArray<controls::Line>& Line2;     // right-angle mark at D
    ControlArray<controls::Line>& Line3;     // right-angle mark at A
    ControlArray<controls::Line>& Line5;     // horizontal grid lines
    ControlArray<controls::Line>& Line6;     // vertical grid lines
    ControlArray<controls::Label>& Label1;   // the letters A, B, C, D
    ControlArray<controls::Label>& Label3;   // read-outs of BC, AB, AC
    ControlArray<controls::Label>& Label4;   // read-outs of AD, BD
    const controls::CheckBox& Check2;        // show BC, AB, AC
    const controls::CheckBox& Check3;        // show AD
    const controls::CheckBox& Check4;        // show BD
    LessonControls* Lesson = nullptr;        // the lesson over the figure, where there is one
};

} // namespace figure

#pragma once

#include "controls/buttons.h"
#include "controls/controlarray.h"
#include "controls/form.h"
#include "controls/label.h"
#include "controls/layer.h"
#include "controls/line.h"
#include "controls/shape.h"

#include "figure/lessoncontrols.h"
#include "keyhelp.h"

#include <array>

namespace app {

using controls::ControlArray;

// The main window and its 28 controls, with the names of the window
// description. Lines, labels and the shape are painted by the window; the
// buttons are shown as toolkit widgets.
struct Form1Controls {
    controls::Form Form1;

    // Top layer, back to front; also the keyboard focus order.
    controls::CommandButton Command1;
    ControlArray<controls::OptionButton> Option1;
    controls::CheckBox Check1;
    controls::CheckBox Check2;
    controls::CheckBox Check3;
    controls::CheckBox Check4;

    // Middle layer.
    ControlArray<controls::Line> Line1;
    ControlArray<controls::Line> Line2;
    ControlArray<controls::Line> Line3;
    ControlArray<controls::Line> Line5;
    ControlArray<controls::Line> Line6;
    ControlArray<controls::Label> Label1;
    controls::Label Label2;
    ControlArray<controls::Label> Label3;
    ControlArray<controls::Label> Label4;
    controls::Shape Shape1;

    // Not of the design: the lesson over the figure and the list of keys,
    // both hidden until asked for (S, F1).
    figure::LessonControls Lesson;
    KeyHelp Help;
};

// The window as designed, before start-up has run.
[[nodiscard]] Form1Controls DescribeForm1();

// The middle layer in painting order, back to front. The grid lines created
// at start-up lie behind everything the description holds, so the grid stays
// behind the figure, its letters and the teal panel; the described controls
// keep their stored order.
[[nodiscard]] controls::Layer MiddleLayer(const Form1Controls& c);

// The labels of the window's description, the letters and the read-outs:
// a press on one that is shown is the label's, and neither drags A nor
// draws. The lesson's texts and the list of keys are none of them: ink and
// a drag of A may start anywhere on the lesson.
[[nodiscard]] std::array<const controls::Label*, 10> DesignedLabels(const Form1Controls& c);

// The figure without the window: the middle layer in the same order, less
// the teal panel behind the option buttons and the never-seen Label2. It is
// what a worksheet shows, whichever front end writes it.
[[nodiscard]] controls::Layer FigureLayer(const Form1Controls& c);

} // namespace app

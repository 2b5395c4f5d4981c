#pragma once

namespace figure {

struct FigureState;
struct FigureControls;

// Brings the lesson's arcs and panel up to date with the figure as it now
// stands, at the step the lesson is at; at step 0 hides all of it. The
// figure calls it after the read-outs, at every step of A; the window calls
// it when the step changes or a read-out is shown or hidden, since the
// panel and arcs keep clear of the read-outs that are shown.
void UpdateLesson(const FigureState& state, FigureControls& c);

// Goes to `step`, kept between 0 (off) and the last step.
void SetLessonStep(const FigureState& state, FigureControls& c, int step);

} // namespace figure

#pragma once

namespace figure {

class Clearance;
class FreeSpace;
struct LessonControls;
struct LessonText;

// The panel's text size in pixels for a grid step of `gridUnit` pixels: it
// grows with the figure, 20 at the window's designed size, and is one size
// through every step of the lesson.
[[nodiscard]] int LessonTextPixels(double gridUnit);

// Lays the panel out, the step control at its head and the rows beneath,
// and puts it where `space` leaves room in a client area of `width` x
// `height` with a grid step of `gridUnit`: as near the top right corner as
// it can, rows that do not fit broken over lines where that brings it
// nearer. Where the panel fits nowhere at all, the rows of the degrees are
// left out; where it still fits nowhere, only the step control stands, so
// that the class still sees the step and can leave it. With room below the
// client area (LessonControls::Below), the panel stands there, larger.
// Sets what a screen reader hears to the rows shown.
void PlaceLessonPanel(const LessonText& text, float width, float height, double gridUnit,
                      LessonControls& lesson, const FreeSpace& space);

void HideLessonPanel(LessonControls& lesson);

} // namespace figure

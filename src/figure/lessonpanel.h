#pragma once

namespace figure {

class Clearance;
struct LessonControls;
struct LessonText;

// Lays the panel's rows out in its labels and boxes and puts the panel in
// the free upper right of a client area of `width` x `height`, clear of
// everything in `clearance`: at the top right corner if it fits there, else
// lower down the right edge, else further left along the top. Where it fits
// nowhere, the text is made smaller, then the rows of degrees are left out,
// and where it still fits nowhere, the panel is not shown.
void PlaceLessonPanel(const LessonText& text, float width, float height, LessonControls& lesson,
                      const Clearance& clearance);

void HideLessonPanel(LessonControls& lesson);

} // namespace figure

#pragma once

#include "controls/color.h"
#include "controls/font.h"
#include "controls/label.h"
#include "controls/layer.h"
#include "controls/line.h"
#include "controls/pixelrect.h"
#include "controls/shape.h"

#include <array>
#include <string>
#include <vector>

namespace controls {
class TextMetrics;
} // namespace controls

namespace figure {

// The lesson on similar triangles, laid over the figure step by step: arcs
// at the equal angles and a panel of text in the free upper right. Step 0
// is off, and then every control here is hidden and the window is exactly
// as designed.
inline constexpr int LessonLastStep = 9;

// Equal angles share a colour and a number of arcs, so that they pair up
// on a grey print too: one arc at ∠B and ∠DAC, two at ∠C and ∠BAD.
inline constexpr controls::Color OneArcColor{0x005ED5};  // vermilion
inline constexpr controls::Color TwoArcsColor{0x739E00}; // bluish green

inline constexpr int LessonArcStrokes = 6;  // ∠B and ∠DAC one each, ∠C and ∠BAD two each
inline constexpr int ArcSegments = 10;      // each arc a polyline of short lines
inline constexpr int LessonBlanks = 6;      // the degrees, CD and two products, one to spare
inline constexpr int LessonTexts = 16;

struct LessonControls {
    int Step = 0;
    // On worksheets: the degrees, CD and the products left as empty boxes, for
    // the class to fill in. The window itself never shows them.
    bool Blanks = false;

    controls::Shape Panel;
    std::array<controls::Label, LessonTexts> Text;
    std::array<controls::Line, LessonArcStrokes * ArcSegments> Arcs;
    std::array<controls::Line, LessonBlanks * 4> Boxes; // four sides each

    // Where the panel must never go: the window's buttons, in pixels.
    std::vector<controls::PixelRect> Keepout;
    // Measures the panel's texts as the window will draw them, in the
    // figure's face at the size that fits.
    const controls::TextMetrics* Metrics = nullptr;
    controls::Font Font;
    // What the panel says, in words a screen reader speaks; empty while off.
    std::string Spoken;

    LessonControls();
};

// The lesson's controls in painting order, back to front: the panel, its
// texts and boxes, then the arcs. Hidden ones paint nothing.
void AppendLessonLayer(const LessonControls& lesson, controls::Layer& layer);

} // namespace figure

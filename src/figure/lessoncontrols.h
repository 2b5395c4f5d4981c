#pragma once

#include "controls/buttons.h"
#include "controls/color.h"
#include "controls/font.h"
#include "controls/label.h"
#include "controls/layer.h"
#include "controls/line.h"
#include "controls/pixelrect.h"
#include "controls/shape.h"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace controls {
class TextMetrics;
} // namespace controls

namespace figure {

// The lesson on similar triangles, laid over the figure step by step: arcs
// at the equal angles and a panel of text where the figure leaves room,
// with a step control at its head. Step 0 is off, and then every control
// here is hidden and the window is exactly as designed.
inline constexpr int LessonLastStep = 9;

// Equal angles share a colour and a number of arcs, so that they pair up
// on a grey print too: one arc at ∠B and ∠DAC, two at ∠C and ∠BAD. The hues
// are the colour-blind-safe vermilion and bluish green, darkened until their
// texts read at 4.5:1 on the panel at least (WCAG's AA): 4.65 and 4.67.
inline constexpr controls::Color OneArcColor{0x0052B9};  // vermilion, #B95200
inline constexpr controls::Color TwoArcsColor{0x5D8000}; // bluish green, #00805D
inline constexpr controls::Color PanelColor{0xE8F8FF};   // ivory, #FFF8E8

// The step control at the head of the panel: back, the step as text, on,
// and the end of the lesson. The window shows them as its own buttons, so
// that a finger, a pen, the keyboard and a screen reader reach them; they
// are never drawn on a worksheet. A screen reader names the three buttons
// by what they do rather than by their signs.
struct LessonStepControl {
    bool Visible = false;
    controls::CommandButton Back; // 「◀」
    controls::ButtonControl Step; // 「3／9」, a text that takes no press
    controls::CommandButton Next; // 「▶」
    controls::CommandButton End;  // 「✕」
};
inline constexpr const char* LessonBackName = "前へ";
inline constexpr const char* LessonNextName = "次へ";
inline constexpr const char* LessonEndName = "授業を終える";
// A finger's width: no button of the step control is smaller, each way.
inline constexpr float LessonButtonSide = 44;

inline constexpr int LessonArcStrokes = 6;  // ∠B and ∠DAC one each, ∠C and ∠BAD two each
inline constexpr int ArcSegments = 10;      // each arc a polyline of short lines
inline constexpr int LessonBlanks = 6;      // the degrees, CD and two products, one to spare
inline constexpr int LessonTexts = 64;      // runs of text, a row broken over lines counting once a line

struct LessonControls {
    int Step = 0;
    // On worksheets: the degrees, CD and the products left as empty boxes, for
    // the class to fill in. The window itself never shows them.
    bool Blanks = false;
    // Whether the panel has a step control: in a window, not on a worksheet
    // made without one, which no one steps.
    bool StepControl = true;

    controls::Shape Panel;
    controls::Shape StepsPanel; // behind the step control, where it stands apart
    LessonStepControl Steps;
    std::array<controls::Label, LessonTexts> Text;
    std::array<controls::Line, LessonArcStrokes * ArcSegments> Arcs;
    std::array<controls::Line, LessonBlanks * 4> Boxes; // four sides each

    // Where the panel must never go: the window's buttons, in pixels.
    std::vector<controls::PixelRect> Keepout;
    // Free room below the client area, in pixels, where the panel stands
    // larger when there is any: the page held upright has the figure at
    // its top and the form's white beneath it. None in the window.
    float Below = 0;
    // Measures the panel's texts as the window will draw them, in the
    // figure's face at the size that fits.
    const controls::TextMetrics* Metrics = nullptr;
    controls::Font Font;
    // What the panel shows, in words a screen reader speaks; empty while
    // off, and while the panel has no room.
    std::string Spoken;
    // The width of each piece of text the panel has measured, at its size,
    // so that a drag measures only the numbers that are new.
    mutable std::unordered_map<std::string, float> Measured;
    mutable int MeasuredPixels = 0;

    LessonControls();
};

// The lesson's controls in painting order, back to front. The arcs lie
// over the sides and beneath the read-outs; the panel, with its texts and
// boxes, over the whole figure. Hidden ones paint nothing.
void AppendLessonArcs(const LessonControls& lesson, controls::Layer& layer);
void AppendLessonPanel(const LessonControls& lesson, controls::Layer& layer);

} // namespace figure

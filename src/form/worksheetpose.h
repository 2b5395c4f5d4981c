#pragma once

#include <cstdint>
#include <optional>

namespace app {

class Form1;

// A figure for a worksheet made without a window, as the user would have
// left it: the client area it is built for, where A stands, and what shows.
struct WorksheetPose {
    float Width = 900; // the client area, pixels
    float Height = 541;
    // Empty, or the initial 74: the initial figure itself.
    std::optional<std::int64_t> AngleA;
    bool Lengths = false; // all five read-outs shown
    bool Grid = true;
    int Lesson = 0;      // the lesson's step, 0 for none
    bool Blanks = false; // the lesson's degrees, CD and products as boxes to fill in
};

// Builds the figure as start-up does for that client area (Form_Load, then
// the first Form_Resize), moves A as a drag would, ticks and clears the
// boxes through their click handlers, and goes to the lesson's step.
void PoseFigure(Form1& form, const WorksheetPose& pose);

} // namespace app

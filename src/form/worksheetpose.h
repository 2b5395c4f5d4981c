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
};

// Builds the figure as start-up does for that client area (Form_Load, then
// the first Form_Resize), moves A as a drag would, and ticks and clears the
// boxes through their click handlers.
void PoseFigure(Form1& form, const WorksheetPose& pose);

} // namespace app

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
// the first Form_Resize), then poses it (ApplyPose).
void PoseFigure(Form1& form, const WorksheetPose& pose);

// Poses a figure already built for its client area, as a window opened at a
// state is after its first Form_Resize (which puts A back at 74): moves A
// as a drag would, where it stands elsewhere; ticks the length boxes that are
// clear, with Lengths, and clears the grid box, without Grid, through their
// click handlers; and goes to the lesson's step, if it is at another. What
// the pose does not ask for stays as it is. The size is not applied here.
void ApplyPose(Form1& form, const WorksheetPose& pose);

} // namespace app

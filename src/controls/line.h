#pragma once

#include "color.h"

namespace controls {

// A straight segment from (X1, Y1) to (X2, Y2) in the window's scale (pixels,
// y growing downwards). It takes no mouse input. Coordinates are single
// precision: a double written to them is rounded as it is stored.
struct Line {
    float X1 = 0;
    float Y1 = 0;
    float X2 = 0;
    float Y2 = 0;
    Color BorderColor;
    int BorderWidth = 1; // pixels
    bool Visible = true;

    friend bool operator==(const Line&, const Line&) = default;
};

} // namespace controls

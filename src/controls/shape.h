#pragma once

#include "color.h"

#include <cmath>

namespace controls {

// A decorative shape; it takes no mouse input. Only the rounded rectangle with
// an opaque fill is needed.
struct Shape {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    Color BackColor;   // the fill
    Color BorderColor;
    bool Visible = true;

    friend bool operator==(const Shape&, const Shape&) = default;
};

// Every painter rounds a shape's corners by a sixth of its shorter side:
// the room to leave about texts `height` high inside a shape at least as
// wide as high, so that its corners never cut into them.
[[nodiscard]] inline float RoomInsideCorners(float height)
{
    return std::ceil(height / 18 + 4);
}

} // namespace controls

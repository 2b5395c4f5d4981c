#pragma once

#include "color.h"

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

} // namespace controls

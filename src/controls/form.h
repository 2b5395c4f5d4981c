#pragma once

#include "color.h"

#include <string>

namespace controls {

// The window's own properties. Its scale is the pixel: ScaleWidth and
// ScaleHeight are the client area's size, with the origin at its top-left
// corner and y growing downwards.
struct Form {
    std::string Caption;
    float ScaleWidth = 0;
    float ScaleHeight = 0;
    Color BackColor{0xFFFFFF}; // what Cls fills the surface with
    Color ForeColor;           // the pen of Line on the surface
    int DrawWidth = 1;         // pixels
};

} // namespace controls

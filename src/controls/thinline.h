#pragma once

#include "line.h"
#include "pixelrect.h"

#include <algorithm>
#include <cmath>

namespace controls {

// A level or upright line one pixel wide, such as a grid line, is filled
// rather than stroked: it covers the pixel row or column its coordinate
// falls in, from the pixel its one end falls in to the pixel of the other.
[[nodiscard]] inline bool IsThinLine(const Line& line)
{
    return line.BorderWidth == 1 && (line.X1 == line.X2 || line.Y1 == line.Y2);
}

// Those pixels, in pixels of the client area.
[[nodiscard]] PixelRect ThinLinePixels(const Line& line);

// One axis of the way from pixels to device pixels: pixel * scale + offset.
struct DeviceAxis {
    double scale = 1;
    double offset = 0;
};

// How many device pixels across a thin line is at `scale`: one pixel,
// rounded, the same for every line. Where a pixel is no whole number of
// device pixels (125 %, 150 %, 175 %), rounding each line's own edges would
// make some lines one device pixel wide and others two.
[[nodiscard]] inline int ThinLineDeviceWidth(double scale)
{
    return std::max(1, int(std::lround(std::min(std::abs(scale), 1e3))));
}

// The device pixels a thin line fills: its pixels' edges on the nearest
// device pixel along it, and across it ThinLineDeviceWidth device pixels
// from the first device pixel of its row or column.
[[nodiscard]] PixelRect ThinLineDevicePixels(const Line& line, DeviceAxis x, DeviceAxis y);

} // namespace controls

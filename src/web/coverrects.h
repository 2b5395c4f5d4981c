#pragma once

#include "controls/pixelrect.h"

#include <vector>

namespace web {

// A few rectangles that together cover the runs a frame painted, for the
// page to copy to its canvas. Each copy costs the browser about as much as
// a few thousand pixels, while a drag paints a hundred small runs along the
// sides of the triangle: a run joins a rectangle of its row of tiles or of
// the row above when the rectangle around both holds no more than `waste`
// pixels that no run covers. Every pixel of the runs is covered.
class CoverRects {
public:
    // `runs` in device pixels, apart from one another, row of tiles after
    // row of tiles. The rectangles are kept until the next call.
    [[nodiscard]] const std::vector<controls::PixelRect>& Cover(const std::vector<controls::PixelRect>& runs,
                                                                long waste);

private:
    std::vector<controls::PixelRect> m_rects;
    std::vector<long> m_covered; // pixels of each rectangle's runs
};

} // namespace web

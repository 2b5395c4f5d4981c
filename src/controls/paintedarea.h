#pragma once

#include "layer.h"
#include "pixelrect.h"

#include <algorithm>
#include <cmath>

namespace controls {

// Where each control lands on screen, in pixels of the client area, for
// every front end that paints only what changed.

// The rectangle a control covers when painted, hidden or not; generous by a
// pixel or two, so that painting it again always wipes every pixel the
// control drew.
[[nodiscard]] PixelRect PaintedBounds(const LayerItem& item);

// The same area, more tightly, as rectangles handed to `add`: a slanted line
// covers a chain of small rectangles along its length rather than its whole
// bounding box, so that moving the sides of the triangle paints little more
// than the sides.
template <typename Add>
void ForEachPaintedPiece(const LayerItem& item, Add&& add);

namespace detail {
[[nodiscard]] PixelRect LineBounds(double x1, double y1, double x2, double y2, int width);
} // namespace detail

template <typename Add>
void ForEachPaintedPiece(const LayerItem& item, Add&& add)
{
    const auto* line = std::get_if<const Line*>(&item);
    if (!line) {
        add(PaintedBounds(item));
        return;
    }
    // Pieces no longer than this along the line's main direction; a line
    // longer than any screen is one piece, not millions.
    constexpr double pieceLength = 16;
    const Line& l = **line;
    const double dx = double(l.X2) - l.X1;
    const double dy = double(l.Y2) - l.Y1;
    const double length = std::max(std::abs(dx), std::abs(dy));
    const bool slanted = dx != 0 && dy != 0;
    const int pieces = slanted && length > pieceLength && length < 1e5 ? int(std::ceil(length / pieceLength)) : 1;
    double x = l.X1;
    double y = l.Y1;
    for (int i = 1; i <= pieces; ++i) {
        const double nextX = i == pieces ? double(l.X2) : l.X1 + dx * i / pieces;
        const double nextY = i == pieces ? double(l.Y2) : l.Y1 + dy * i / pieces;
        add(detail::LineBounds(x, y, nextX, nextY, l.BorderWidth));
        x = nextX;
        y = nextY;
    }
}

} // namespace controls

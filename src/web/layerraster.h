#pragma once

#include "pixelbuffer.h"
#include "pixelrect.h"

#include "controls/layer.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace web {

class CaptionCache;

// Label boxes sit on whole pixels of the client area, as on the desktop.
[[nodiscard]] PixelRect LabelBox(const controls::Label& label);

// The rectangle, in pixels of the client area, that a control covers when
// painted, hidden or not; generous by a pixel or two, so that repainting it
// always wipes every pixel the control drew.
[[nodiscard]] PixelRect PaintedBounds(const controls::LayerItem& item);

// The same area, more tightly, as rectangles handed to `add`: a slanted line
// covers a chain of small rectangles along its length rather than its whole
// bounding box, so that moving the sides of the triangle paints little more
// than the sides.
template <typename Add>
void ForEachPaintedPiece(const controls::LayerItem& item, Add&& add);

// A rectangle of the client area in device pixels at `ratio`: the pixels
// whose centres it covers, and at least one pixel of a rectangle that has area.
[[nodiscard]] PixelRect ToDevice(const PixelRect& rect, double ratio);

// Paints one visible control into `image` at `ratio` device pixels to the
// pixel, within `clip` (device pixels); a hidden one paints nothing.
//  - A level or upright line of width 1, such as a grid line, fills the pixel
//    row or column its coordinate falls in.
//  - Wider lines have round ends, so that the sides of the triangle meet
//    cleanly; no line is antialiased.
//  - A label fills its box with its BackColor unless transparent and lays its
//    caption over it, drawn by the browser.
void Paint(PixelBuffer& image, const controls::LayerItem& item, double ratio, const PixelRect& clip,
           CaptionCache& captions);

// Paints the visible controls of `layer` that reach into `areas` (device
// pixels, apart from one another), back to front, each clipped to them.
void PaintLayer(PixelBuffer& image, const controls::Layer& layer, double ratio, const std::vector<PixelRect>& areas,
                CaptionCache& captions);

namespace detail {
[[nodiscard]] PixelRect LineBounds(double x1, double y1, double x2, double y2, int width);
} // namespace detail

template <typename Add>
void ForEachPaintedPiece(const controls::LayerItem& item, Add&& add)
{
    const auto* line = std::get_if<const controls::Line*>(&item);
    if (!line) {
        add(PaintedBounds(item));
        return;
    }
    // Pieces no longer than this along the line's main direction.
    constexpr double pieceLength = 16;
    const controls::Line& l = **line;
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

} // namespace web

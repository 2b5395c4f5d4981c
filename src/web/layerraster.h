#pragma once

#include "pixelbuffer.h"

#include "controls/layer.h"
#include "controls/pixelrect.h"

#include <span>
#include <vector>

namespace web {

class CaptionCache;

// A rectangle of the client area in device pixels at `ratio`: the pixels
// whose centres it covers, and at least one pixel of a rectangle that has area.
[[nodiscard]] controls::PixelRect ToDevice(const controls::PixelRect& rect, double ratio);

// Paints one visible control into `image` at `ratio` device pixels to the
// pixel, within `clip` (device pixels); a hidden one paints nothing.
//  - A level or upright line of width 1, such as a grid line, fills the pixel
//    row or column its coordinate falls in, every such line as many device
//    pixels wide as the desktop makes it (controls/thinline.h).
//  - Wider lines have round ends, so that the sides of the triangle meet
//    cleanly; no line is antialiased.
//  - A label fills its box with its BackColor unless transparent and lays its
//    caption over it, drawn by the browser.
void Paint(PixelBuffer& image, const controls::LayerItem& item, double ratio, const controls::PixelRect& clip,
           CaptionCache& captions);

// Paints the visible controls of `items` (a layer, or a stretch of one) that
// reach into `areas` (device pixels, apart from one another), back to front,
// each clipped to them. The areas come row after row, left to right: those
// of a row share their top and bottom edges, as runs of a row of tiles do.
void PaintLayer(PixelBuffer& image, std::span<const controls::LayerItem> items, double ratio,
                const std::vector<controls::PixelRect>& areas, CaptionCache& captions);

} // namespace web

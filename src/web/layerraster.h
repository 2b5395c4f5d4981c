#pragma once

#include "pixelbuffer.h"
#include "pixelrect.h"

#include "controls/layer.h"

namespace web {

class CaptionCache;

// Label boxes sit on whole pixels of the client area, as on the desktop.
[[nodiscard]] PixelRect LabelBox(const controls::Label& label);

// The rectangle, in pixels of the client area, that a control covers when
// painted, hidden or not; generous by a pixel or two, so that repainting it
// always wipes every pixel the control drew.
[[nodiscard]] PixelRect PaintedBounds(const controls::LayerItem& item);

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

// Paints the visible controls of `layer` that reach into `clip`, back to front.
void PaintLayer(PixelBuffer& image, const controls::Layer& layer, double ratio, const PixelRect& clip,
                CaptionCache& captions);

} // namespace web

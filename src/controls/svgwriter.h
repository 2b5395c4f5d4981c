#pragma once

#include "color.h"
#include "layer.h"
#include "pixelrect.h"

#include <string>
#include <string_view>

namespace controls {

class TextMetrics;

// What an SVG picture of a layer is made of.
struct SvgPicture {
    const Layer& Items;        // back to front; hidden ones are left out
    float Width = 0;           // the client area, in pixels
    float Height = 0;
    Color Background{0xFFFFFF};
    const TextMetrics& Metrics; // the ascent and the family of each label's font
    // The drawing surface as a data: URI of a picture of the client area, or
    // empty when nothing is drawn on it. Only the front end has its pixels.
    std::string_view Surface;
    // Millimetres to the pixel on paper, where the drawing has a size of its
    // own there (a sheet, or a figure true to scale); 0 for none.
    double MillimetresPerPixel = 0;
    // Where the surface lies over the items as well, multiplied, as ink
    // over paper: its white leaves them as they are, its strokes darken
    // them. Empty for nowhere.
    PixelRect SurfaceOver;
};

// The picture as an SVG document, in the client area's pixels: each line a
// <line> with its colour, width and the ends the window paints, each label
// its opaque box and a <text> in the family the window really draws it in,
// placed where the window draws it. It scales to any size.
[[nodiscard]] std::string WriteSvg(const SvgPicture& picture);

} // namespace controls

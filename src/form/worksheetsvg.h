#pragma once

#include "form1controls.h"

#include <string>
#include <string_view>

namespace controls {
class TextMetrics;
} // namespace controls

namespace app {

struct Handout;

// The figure of a worksheet as an SVG drawing, as the window shows it now:
// the figure's lines and labels in the client area's pixels, on the window's
// background, with `surface` (a data: URI of the drawing surface's picture,
// or empty when nothing is drawn on it) beneath them, and over the lesson's
// panel too, multiplied, as the screen lays the ink over it. Only a front
// end has the surface's pixels; every front end writes the same drawing
// from them. With `millimetresPerPixel` (TrueScaleMillimetres), the drawing
// says how large it is on paper, so that BC prints 5 cm long.
[[nodiscard]] std::string WorksheetSvg(const Form1Controls& c, const controls::TextMetrics& metrics,
                                       std::string_view surface, double millimetresPerPixel = 0);

// A handout as an SVG drawing of an A4 sheet, its size given in millimetres.
[[nodiscard]] std::string HandoutSvg(const Handout& handout, const controls::TextMetrics& metrics);

} // namespace app

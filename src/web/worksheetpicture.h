#pragma once

#include "pixelbuffer.h"

#include "form/form1controls.h"

namespace app {
struct Handout;
} // namespace app

namespace web {

class CaptionCache;

// A browser's canvas takes no side longer than this, and a page cannot count
// on much more memory than this many pixels need.
inline constexpr int LongestWorksheetSide = 32767;
inline constexpr long long MostWorksheetPixels = 40'000'000;

// The whole picture's size at `ratio`; empty when a picture that large
// cannot be had in the page.
[[nodiscard]] controls::PixelRect WorksheetBounds(const app::Form1Controls& c, double ratio);

// The figure of a worksheet as a picture: the client area at `ratio` device
// pixels to the pixel on the window's background, the drawing surface (in
// its own device pixels) scaled over it when `drawn`, and the figure's
// lines and labels painted as the page paints them, without the buttons or
// the teal panel, and the surface's strokes once more over the lesson's
// panel, multiplied, as the screen lays them. False, with `picture` left empty, when a picture that
// large cannot be had in the page. Only the rows from `top` are painted,
// `rows` of them at most: a large picture in bands needs the memory of one
// band, and the module's memory, once grown, never shrinks.
[[nodiscard]] bool PaintWorksheet(PixelBuffer& picture, const app::Form1Controls& c, const PixelBuffer& surface,
                                  bool drawn, double ratio, CaptionCache& captions, int top = 0,
                                  int rows = LongestWorksheetSide);

// A handout as a picture of the whole sheet at app::HandoutDotsPerInch, as
// the desktop makes it, on white: the rows from `top`, `rows` of them at
// most, as for the figure.
void PaintHandout(PixelBuffer& picture, const app::Handout& handout, CaptionCache& captions, int top = 0,
                  int rows = LongestWorksheetSide);

} // namespace web

#pragma once

#include "controls/textmetrics.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace web {

// A caption drawn by the browser: how much each pixel is covered, row by row,
// with the top-left corner of the label's box at the mask's origin.
struct CaptionMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;
};

// The browser's text: measuring a caption in whole pixels, as labels size
// themselves, and drawing it at a device pixel ratio. The page supplies the
// real one, which uses the font embedded in the page; tests supply their own.
class TextEngine : public controls::TextMetrics {
public:
    // The caption in `font` at `ratio` device pixels to the pixel, for a
    // label box of `box` pixels.
    [[nodiscard]] virtual CaptionMask Draw(const controls::Font& font, std::string_view text,
                                           controls::TextSize box, double ratio) const = 0;
};

} // namespace web

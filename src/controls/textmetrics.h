#pragma once

#include "font.h"

#include <string>
#include <string_view>

namespace controls {

struct TextSize {
    float Width = 0;
    float Height = 0;
};

// Measures a caption the way the screen will draw it, so that labels can size
// themselves to their text. The window supplies the real one; tests supply
// their own.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;

    // Whole pixels: the box a label of this font needs for this text.
    [[nodiscard]] virtual TextSize Measure(const Font& font, std::string_view text) const = 0;

    // Pixels from the top of a label's box down to the baseline of its text.
    [[nodiscard]] virtual float Ascent(const Font& font) const = 0;

    // The family the text is really drawn in: the installed face that stands
    // in for the stored name, which the machine may not have.
    [[nodiscard]] virtual std::string Family(const Font& font) const = 0;
};

// `text` in `font` as `metrics` measures it; without a measure (a core
// tested on its own), an estimate: a full-width character a square, any
// other a little over half of one, and a line a tenth over the size.
[[nodiscard]] TextSize MeasureText(const TextMetrics* metrics, const Font& font, std::string_view text);

} // namespace controls

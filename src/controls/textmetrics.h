#pragma once

#include "font.h"

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
};

} // namespace controls

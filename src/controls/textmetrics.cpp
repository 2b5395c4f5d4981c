#include "textmetrics.h"

#include <cmath>

namespace controls {

TextSize MeasureText(const TextMetrics* metrics, const Font& font, std::string_view text)
{
    if (metrics)
        return metrics->Measure(font, text);
    const auto pixels = float(font.PixelSize());
    float width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            width += 0.6f * pixels;
        else if (byte >= 0xC0) // the first byte of a character of several
            width += pixels;
    }
    return {std::ceil(width), std::ceil(pixels * 1.1f)};
}

} // namespace controls

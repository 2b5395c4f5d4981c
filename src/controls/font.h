#pragma once

#include <string>

namespace controls {

// A control's stored font. Sizes are in points at 96 dots per inch, so a size
// maps to a fixed number of pixels whatever the screen's DPI setting.
struct Font {
    std::string Name;       // empty: the platform's default window font
    double Size = 9;        // points
    int Charset = 128;      // Shift-JIS
    int Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;

    // 20.25 pt is 27 pixels, 12 pt is 16 pixels.
    [[nodiscard]] int PixelSize() const { return int(Size * 96 / 72 + 0.5); }

    friend bool operator==(const Font&, const Font&) = default;
};

} // namespace controls

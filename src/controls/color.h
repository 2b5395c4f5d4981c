#pragma once

#include <cstdint>

namespace controls {

// A 24-bit colour as the window description writes it, &H00BBGGRR&:
// blue in the high byte, red in the low byte.
struct Color {
    std::uint32_t bgr = 0;

    [[nodiscard]] constexpr int Red() const { return int(bgr & 0xFF); }
    [[nodiscard]] constexpr int Green() const { return int((bgr >> 8) & 0xFF); }
    [[nodiscard]] constexpr int Blue() const { return int((bgr >> 16) & 0xFF); }

    friend constexpr bool operator==(Color, Color) = default;
};

} // namespace controls

#pragma once

#include <algorithm>

namespace controls {

// Whole pixels of a coordinate that may be anything a float holds, kept far
// enough from the ends of int that sums of them cannot overflow.
[[nodiscard]] inline int WholePixels(double value)
{
    if (!(value > -1e6))
        return -1000000;
    if (!(value < 1e6))
        return 1000000;
    return int(value);
}

// A rectangle of whole pixels, right and bottom exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] bool IsEmpty() const { return right <= left || bottom <= top; }
    [[nodiscard]] int Width() const { return right - left; }
    [[nodiscard]] int Height() const { return bottom - top; }

    [[nodiscard]] PixelRect Intersected(const PixelRect& other) const
    {
        return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                std::min(bottom, other.bottom)};
    }
    [[nodiscard]] PixelRect United(const PixelRect& other) const
    {
        if (IsEmpty())
            return other;
        if (other.IsEmpty())
            return *this;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    [[nodiscard]] bool Intersects(const PixelRect& other) const { return !Intersected(other).IsEmpty(); }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

} // namespace controls

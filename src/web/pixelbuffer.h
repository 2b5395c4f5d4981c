#pragma once

#include "controls/pixelrect.h"

#include "controls/color.h"

#include <cstdint>
#include <vector>

namespace web {

// An image in device pixels, four bytes to the pixel in the order red, green,
// blue, alpha, as a browser's canvas takes it. Everything drawn into it is
// aliased: a pixel is painted when its centre lies inside the shape, as the
// desktop's pens paint without antialiasing. Every operation clips to the
// image and to the rectangle it is given, so no coordinate can write outside.
class PixelBuffer {
public:
    // Every pixel of the new size is `color`, white unless given. With a
    // `top`, the image holds the rows from `top` of a taller picture:
    // everything is drawn in the picture's coordinates, clipped to them.
    void Resize(int width, int height, controls::Color color = controls::Color{0xFFFFFF}, int top = 0);

    [[nodiscard]] int Width() const { return m_width; }
    [[nodiscard]] int Height() const { return m_height; }
    [[nodiscard]] controls::PixelRect Bounds() const { return {0, m_top, m_width, m_top + m_height}; }
    [[nodiscard]] const std::uint8_t* Data() const;
    [[nodiscard]] std::uint32_t Pixel(int x, int y) const { return m_pixels[Index(x, y)]; }

    // The pixel value of an opaque colour.
    [[nodiscard]] static std::uint32_t Opaque(controls::Color color) { return 0xFF000000u | color.bgr; }

    void Fill(controls::Color color);
    void FillRect(const controls::PixelRect& rect, controls::Color color);

    // Every pixel whose centre lies within `width` / 2 of the segment: a line
    // with round ends. A segment of no length is a round dot.
    void FillCapsule(double x1, double y1, double x2, double y2, double width, controls::Color color,
                     const controls::PixelRect& clip);

    // Every pixel whose centre lies inside the rectangle with corners rounded
    // by `radius`.
    void FillRoundedRect(double left, double top, double right, double bottom, double radius,
                         controls::Color color, const controls::PixelRect& clip);

    // Lays `color` over the image through a mask of coverage values (0 to 255,
    // row by row, `maskWidth` to the row) whose top-left corner is at (x, y).
    void BlendMask(int x, int y, int maskWidth, int maskHeight, const std::uint8_t* mask,
                   controls::Color color, const controls::PixelRect& clip);

    // Copies the same rectangle from an image of the same size.
    void CopyFrom(const PixelBuffer& source, const controls::PixelRect& rect);

    // Multiplies the same rectangle by an image of the same size, channel by
    // channel: its white leaves a pixel as it is, its colours darken it.
    void MultiplyBy(const PixelBuffer& source, const controls::PixelRect& rect);
    // The same for one pixel inside the image, by the pixel value `by`.
    void MultiplyPixel(int x, int y, std::uint32_t by);

private:
    [[nodiscard]] std::size_t Index(int x, int y) const
    {
        return std::size_t(y - m_top) * std::size_t(m_width) + std::size_t(x);
    }
    void FillSpan(int y, double fromX, double toX, std::uint32_t value, const controls::PixelRect& clip);

    int m_width = 0;
    int m_height = 0;
    int m_top = 0;
    std::vector<std::uint32_t> m_pixels;
};

} // namespace web

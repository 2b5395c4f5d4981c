#pragma once

#include "controls/damagetiles.h"
#include "pixelbuffer.h"

#include "controls/color.h"
#include "controls/surface.h"

namespace web {

// The window's drawing surface as the page keeps it: an image in device
// pixels beneath the figure. Strokes stay in it until Cls. What changes is
// marked in `damage` for the next frame. A surface with nothing drawn on it
// keeps no pixels at all, which spares start-up and every Cls the writing
// of a whole image of blank.
class WebSurface final : public controls::Surface {
public:
    explicit WebSurface(controls::DamageTiles& damage) : m_damage(damage) {}

    // The window's BackColor, ForeColor and DrawWidth.
    void SetPens(controls::Color back, controls::Color fore, int drawWidth);

    // Makes the surface cover a client area of `width` x `height` pixels at
    // `ratio`, blank, as an image of `deviceWidth` x `deviceHeight`; where
    // only the ratio changes, it keeps its strokes.
    void Resize(int width, int height, double ratio, int deviceWidth, int deviceHeight);

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Refresh() override;

    // Copies `area` (device pixels) of the surface into `frame`, an image of
    // the same size.
    void PaintInto(PixelBuffer& frame, const controls::PixelRect& area) const;
    // Lays the strokes within `area` over what `frame` holds there, as ink.
    void MultiplyInto(PixelBuffer& frame, const controls::PixelRect& area) const;

    // Whether anything shows on it: a worksheet leaves a blank surface out.
    [[nodiscard]] bool HasDrawing() const;
    // Its pixels, while it has a drawing.
    [[nodiscard]] const PixelBuffer& Image() const { return m_image; }

private:
    void DamageAll();

    controls::DamageTiles& m_damage;
    PixelBuffer m_image; // out of date while m_blank
    bool m_blank = true; // nothing drawn since the last Cls or new size
    int m_width = 0;
    int m_height = 0;
    int m_deviceWidth = 0;
    int m_deviceHeight = 0;
    double m_ratio = 1;
    controls::Color m_back{0xFFFFFF};
    controls::Color m_fore;
    int m_drawWidth = 1;
};

// The size in device pixels of `logical` pixels at `ratio`, at least one.
[[nodiscard]] int DevicePixels(int logical, double ratio);

} // namespace web

#include "websurface.h"

#include <algorithm>
#include <cmath>

namespace web {

using controls::PixelRect;

int DevicePixels(int logical, double ratio)
{
    return std::max(1, int(std::lround(std::max(logical, 0) * ratio)));
}

void WebSurface::SetPens(controls::Color back, controls::Color fore, int drawWidth)
{
    m_back = back;
    m_fore = fore;
    m_drawWidth = drawWidth;
}

void WebSurface::Resize(int width, int height, double ratio, int deviceWidth, int deviceHeight)
{
    if (deviceWidth == m_deviceWidth && deviceHeight == m_deviceHeight && ratio == m_ratio)
        return;
    // Moved to a screen of another pixel density, or zoomed without a change
    // of size: the strokes stay, redrawn at the new density.
    if (width == m_width && height == m_height && !m_blank) {
        PixelBuffer scaled;
        scaled.Resize(deviceWidth, deviceHeight);
        for (int y = 0; y < deviceHeight; ++y) {
            const int fromY = std::min(m_image.Height() - 1, int(y * m_image.Height() / deviceHeight));
            for (int x = 0; x < deviceWidth; ++x) {
                const int fromX = std::min(m_image.Width() - 1, int(x * m_image.Width() / deviceWidth));
                const std::uint32_t pixel = m_image.Pixel(fromX, fromY);
                scaled.FillRect({x, y, x + 1, y + 1}, controls::Color{pixel & 0xFFFFFF});
            }
        }
        m_image = std::move(scaled);
    } else {
        // A client area without height still gets a surface, of one pixel
        // row, so that drawing on it never needs a special case.
        m_blank = true;
    }
    m_width = width;
    m_height = height;
    m_deviceWidth = deviceWidth;
    m_deviceHeight = deviceHeight;
    m_ratio = ratio;
    DamageAll();
}

void WebSurface::Cls()
{
    m_blank = true;
    DamageAll();
}

void WebSurface::Line(float x1, float y1, float x2, float y2)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    if (m_blank) {
        m_image.Resize(m_deviceWidth, m_deviceHeight, m_back);
        m_blank = false;
    }
    m_image.FillCapsule(x1 * m_ratio, y1 * m_ratio, x2 * m_ratio, y2 * m_ratio, m_drawWidth * m_ratio, m_fore,
                        m_image.Bounds());
    const double reach = m_drawWidth / 2.0 + 2;
    const auto whole = [](double v) { return int(std::clamp(v, -1e6, 1e6)); };
    m_damage.Add({whole(std::floor(std::min(x1, x2) - reach)), whole(std::floor(std::min(y1, y2) - reach)),
                  whole(std::ceil(std::max(x1, x2) + reach)), whole(std::ceil(std::max(y1, y2) + reach))});
}

void WebSurface::PaintInto(PixelBuffer& frame, const PixelRect& area) const
{
    if (m_blank)
        frame.FillRect(area, m_back);
    else
        frame.CopyFrom(m_image, area);
}

void WebSurface::MultiplyInto(PixelBuffer& frame, const PixelRect& area) const
{
    if (!m_blank)
        frame.MultiplyBy(m_image, area);
}

bool WebSurface::HasDrawing() const
{
    if (m_blank)
        return false;
    const std::uint32_t blank = PixelBuffer::Opaque(m_back);
    for (int y = 0; y < m_image.Height(); ++y) {
        for (int x = 0; x < m_image.Width(); ++x) {
            if (m_image.Pixel(x, y) != blank)
                return true;
        }
    }
    return false;
}

// The page paints at its next frame in any case; all it needs to know is
// that everything is to be painted.
void WebSurface::Refresh()
{
    DamageAll();
}

void WebSurface::DamageAll()
{
    m_damage.AddAll();
}

} // namespace web

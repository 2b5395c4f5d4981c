#include "worksheetpicture.h"

#include "layerraster.h"
#include "websurface.h"

#include <cmath>
#include <vector>

namespace web {

namespace {

// Each pixel of the picture takes the surface's pixel beneath its centre:
// the strokes grow as the figure does, with the same hard edges.
void ScaleSurface(PixelBuffer& picture, const PixelBuffer& surface)
{
    if (surface.Width() == 0 || surface.Height() == 0)
        return;
    for (int y = 0; y < picture.Height(); ++y) {
        const int fromY = int((y + 0.5) * surface.Height() / picture.Height());
        for (int x = 0; x < picture.Width(); ++x) {
            const int fromX = int((x + 0.5) * surface.Width() / picture.Width());
            const std::uint32_t pixel = surface.Pixel(std::min(fromX, surface.Width() - 1),
                                                      std::min(fromY, surface.Height() - 1));
            picture.FillRect({x, y, x + 1, y + 1}, controls::Color{pixel & 0xFFFFFF});
        }
    }
}

} // namespace

bool PaintWorksheet(PixelBuffer& picture, const app::Form1Controls& c, const PixelBuffer& surface, bool drawn,
                    double ratio, CaptionCache& captions)
{
    picture.Resize(0, 0);
    const controls::Form& form = c.Form1;
    if (!(ratio > 0 && ratio <= 64) || !(form.ScaleWidth >= 0 && form.ScaleWidth < 1e6f)
        || !(form.ScaleHeight >= 0 && form.ScaleHeight < 1e6f))
        return false;
    // The client area in whole pixels, as the window paints it.
    const int width = DevicePixels(int(std::ceil(form.ScaleWidth)), ratio);
    const int height = DevicePixels(int(std::ceil(form.ScaleHeight)), ratio);
    if (width > LongestWorksheetSide || height > LongestWorksheetSide
        || static_cast<long long>(width) * height > MostWorksheetPixels)
        return false;
    picture.Resize(width, height, form.BackColor);
    if (drawn)
        ScaleSurface(picture, surface);
    PaintLayer(picture, app::FigureLayer(c), ratio, {picture.Bounds()}, captions);
    return true;
}

} // namespace web

#include "worksheetpicture.h"

#include "layerraster.h"
#include "websurface.h"

#include "form/handout.h"
#include "form/windowlayers.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace web {

namespace {

// Each pixel of the picture within `area` takes the surface's pixel beneath
// its centre, or is multiplied by it, as ink over what lies there: the
// strokes grow as the figure does, with the same hard edges.
void ScaleSurface(PixelBuffer& picture, int pictureHeight, const PixelBuffer& surface, const controls::PixelRect& area,
                  bool multiply)
{
    if (surface.Width() == 0 || surface.Height() == 0)
        return;
    const controls::PixelRect inside = area.Intersected(picture.Bounds());
    for (int y = inside.top; y < inside.bottom; ++y) {
        const int fromY = int((y + 0.5) * surface.Height() / pictureHeight);
        for (int x = inside.left; x < inside.right; ++x) {
            const int fromX = int((x + 0.5) * surface.Width() / picture.Width());
            const std::uint32_t pixel = surface.Pixel(std::min(fromX, surface.Width() - 1),
                                                      std::min(fromY, surface.Height() - 1));
            if (multiply)
                picture.MultiplyPixel(x, y, pixel);
            else
                picture.FillRect({x, y, x + 1, y + 1}, controls::Color{pixel & 0xFFFFFF});
        }
    }
}

} // namespace

controls::PixelRect WorksheetBounds(const app::Form1Controls& c, double ratio)
{
    const controls::Form& form = c.Form1;
    if (!(ratio > 0 && ratio <= 64) || !(form.ScaleWidth >= 0 && form.ScaleWidth < 1e6f)
        || !(form.ScaleHeight >= 0 && form.ScaleHeight < 1e6f))
        return {};
    // The client area in whole pixels, as the window paints it.
    const int width = DevicePixels(int(std::ceil(form.ScaleWidth)), ratio);
    const int height = DevicePixels(int(std::ceil(form.ScaleHeight)), ratio);
    if (width > LongestWorksheetSide || height > LongestWorksheetSide
        || static_cast<long long>(width) * height > MostWorksheetPixels)
        return {};
    return {0, 0, width, height};
}

bool PaintWorksheet(PixelBuffer& picture, const app::Form1Controls& c, const PixelBuffer& surface, bool drawn,
                    double ratio, CaptionCache& captions, int top, int rows)
{
    picture.Resize(0, 0);
    const controls::PixelRect bounds = WorksheetBounds(c, ratio);
    if (bounds.IsEmpty())
        return false;
    const int width = bounds.Width();
    const int height = bounds.Height();
    top = std::clamp(top, 0, height);
    picture.Resize(width, std::clamp(rows, 0, height - top), c.Form1.BackColor, top);
    if (drawn)
        ScaleSurface(picture, height, surface, picture.Bounds(), false);
    PaintLayer(picture, app::WorksheetLayer(c), ratio, {picture.Bounds()}, captions);
    // The strokes over the lesson's panel, as the screen lays them.
    if (drawn)
        ScaleSurface(picture, height, surface, ToDevice(app::MemoOverLesson(c), ratio), true);
    return true;
}

void PaintHandout(PixelBuffer& picture, const app::Handout& handout, CaptionCache& captions, int top, int rows)
{
    const app::SheetPixels size = app::HandoutPicturePixels();
    top = std::clamp(top, 0, size.Height);
    picture.Resize(size.Width, std::clamp(rows, 0, size.Height - top), controls::Color{0xFFFFFF}, top);
    PaintLayer(picture, app::HandoutLayer(handout), app::HandoutPictureRatio(handout), {picture.Bounds()}, captions);
}

} // namespace web

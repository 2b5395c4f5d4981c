#include "layerraster.h"

#include "captioncache.h"

#include "controls/overloaded.h"
#include "controls/paintedarea.h"
#include "controls/thinline.h"

#include <algorithm>
#include <cmath>

namespace web {

using controls::PixelRect;
using controls::WholePixels;

namespace {

void PaintLine(PixelBuffer& image, const controls::Line& line, double ratio, const PixelRect& clip)
{
    if (!std::isfinite(line.X1) || !std::isfinite(line.Y1) || !std::isfinite(line.X2) || !std::isfinite(line.Y2))
        return;
    if (controls::IsThinLine(line)) {
        image.FillRect(controls::ThinLineDevicePixels(line, {ratio}, {ratio}).Intersected(clip), line.BorderColor);
        return;
    }
    image.FillCapsule(double(line.X1) * ratio, double(line.Y1) * ratio, double(line.X2) * ratio,
                      double(line.Y2) * ratio, line.BorderWidth * ratio, line.BorderColor, clip);
}

void PaintLabel(PixelBuffer& image, const controls::Label& label, double ratio, const PixelRect& clip,
                CaptionCache& captions)
{
    const PixelRect box = controls::PaintedBox(label);
    const PixelRect device = ToDevice(box, ratio);
    if (!label.Transparent)
        image.FillRect(device.Intersected(clip), label.BackColor);
    const CaptionMask& mask = captions.Get(label.Font, label.Caption(), {label.Width(), label.Height()}, ratio);
    image.BlendMask(device.left, device.top, mask.width, mask.height, mask.coverage.data(), label.ForeColor, clip);
}

void PaintShape(PixelBuffer& image, const controls::Shape& shape, double ratio, const PixelRect& clip)
{
    // The corners are rounded by a sixth of the shorter side; the border has
    // the fill's colour.
    const double radius = std::min(shape.Width, shape.Height) / 6.0;
    image.FillRoundedRect(shape.Left * ratio, shape.Top * ratio, (shape.Left + shape.Width) * ratio,
                          (shape.Top + shape.Height) * ratio, radius * ratio, shape.BackColor, clip);
}

} // namespace

PixelRect ToDevice(const PixelRect& rect, double ratio)
{
    if (rect.IsEmpty())
        return {};
    const auto first = [ratio](int edge) { return int(std::ceil(edge * ratio - 0.5)); };
    PixelRect device{first(rect.left), first(rect.top), first(rect.right), first(rect.bottom)};
    device.right = std::max(device.right, device.left + 1);
    device.bottom = std::max(device.bottom, device.top + 1);
    return device;
}

void Paint(PixelBuffer& image, const controls::LayerItem& item, double ratio, const PixelRect& clip,
           CaptionCache& captions)
{
    if (!controls::IsVisible(item))
        return;
    std::visit(controls::Overloaded{
                   [&](const controls::Line* line) { PaintLine(image, *line, ratio, clip); },
                   [&](const controls::Label* label) { PaintLabel(image, *label, ratio, clip, captions); },
                   [&](const controls::Shape* shape) { PaintShape(image, *shape, ratio, clip); },
               },
               item);
}

// The areas do not overlap, so painting control after control across all of
// them keeps every pixel's back-to-front order, and each control's bounds
// are worked out once.
void PaintLayer(PixelBuffer& image, const controls::Layer& layer, double ratio, const std::vector<PixelRect>& areas,
                CaptionCache& captions)
{
    for (const controls::LayerItem& item : layer) {
        if (!controls::IsVisible(item))
            continue;
        const PixelRect bounds = ToDevice(controls::PaintedBounds(item), ratio);
        for (const PixelRect& area : areas) {
            const PixelRect clip = area.Intersected(bounds);
            if (!clip.IsEmpty())
                Paint(image, item, ratio, clip, captions);
        }
    }
}

} // namespace web

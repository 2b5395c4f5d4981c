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

// Whether a line with round ends, `r` either side of its segment, can reach
// a pixel of `clip`: the part of the segment within the clip's rows, taken
// `r` further up and down, must come within `r` of its columns. A pixel to
// spare each way covers rounding; a side of the triangle crosses many areas
// of a drag in its bounding box that it never comes near.
bool Reaches(double x1, double y1, double x2, double y2, double r, const PixelRect& clip)
{
    const double reach = r + 1;
    const double top = clip.top - reach;
    const double bottom = clip.bottom + reach;
    if (std::max(y1, y2) < top || std::min(y1, y2) > bottom)
        return false;
    double from = std::min(x1, x2);
    double to = std::max(x1, x2);
    if (y1 != y2) {
        const auto at = [&](double y) {
            const double t = std::clamp((y - y1) / (y2 - y1), 0.0, 1.0);
            return x1 + t * (x2 - x1);
        };
        from = std::min(at(top), at(bottom));
        to = std::max(at(top), at(bottom));
    }
    return to + reach >= clip.left && from - reach <= clip.right;
}

void PaintLine(PixelBuffer& image, const controls::Line& line, double ratio, const PixelRect& clip)
{
    if (!std::isfinite(line.X1) || !std::isfinite(line.Y1) || !std::isfinite(line.X2) || !std::isfinite(line.Y2))
        return;
    if (controls::IsThinLine(line)) {
        image.FillRect(controls::ThinLineDevicePixels(line, {ratio}, {ratio}).Intersected(clip), line.BorderColor);
        return;
    }
    const double x1 = double(line.X1) * ratio;
    const double y1 = double(line.Y1) * ratio;
    const double x2 = double(line.X2) * ratio;
    const double y2 = double(line.Y2) * ratio;
    const double width = line.BorderWidth * ratio;
    if (Reaches(x1, y1, x2, y2, width / 2, clip))
        image.FillCapsule(x1, y1, x2, y2, width, line.BorderColor, clip);
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
// are worked out once. Ordered by their tops, the areas that can reach a
// control's rows are found by a search rather than a walk through them all.
void PaintLayer(PixelBuffer& image, std::span<const controls::LayerItem> items, double ratio,
                const std::vector<PixelRect>& areas, CaptionCache& captions)
{
    int tallest = 0;
    for (const PixelRect& area : areas)
        tallest = std::max(tallest, area.Height());
    for (const controls::LayerItem& item : items) {
        if (!controls::IsVisible(item))
            continue;
        const PixelRect bounds = ToDevice(controls::PaintedBounds(item), ratio);
        auto area = std::partition_point(areas.begin(), areas.end(), [&](const PixelRect& a) {
            return a.top + tallest <= bounds.top;
        });
        for (; area != areas.end() && area->top < bounds.bottom; ++area) {
            const PixelRect clip = area->Intersected(bounds);
            if (!clip.IsEmpty())
                Paint(image, item, ratio, clip, captions);
        }
    }
}

} // namespace web

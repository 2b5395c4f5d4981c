#include "layerraster.h"

#include "captioncache.h"

#include "controls/overloaded.h"
#include "controls/paintedarea.h"
#include "controls/thinline.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace web {

using controls::PixelRect;
using controls::WholePixels;

namespace {

// The columns of the rows from `top` to `bottom` (device pixels) that a
// control can paint: for a line with round ends, the part of its segment
// within those rows, taken its half width further up and down, widened by
// the half width either way, with a pixel to spare for rounding; for any
// other control, its bounds. A side of the triangle crosses many runs of a
// drag in its bounding box that it never comes near.
std::pair<double, double> Columns(const controls::LayerItem& item, double ratio, int top, int bottom,
                                  const PixelRect& bounds)
{
    const auto* const* line = std::get_if<const controls::Line*>(&item);
    if (!line || controls::IsThinLine(**line))
        return {bounds.left, bounds.right};
    const double x1 = double((*line)->X1) * ratio;
    const double y1 = double((*line)->Y1) * ratio;
    const double x2 = double((*line)->X2) * ratio;
    const double y2 = double((*line)->Y2) * ratio;
    const double reach = (*line)->BorderWidth * ratio / 2 + 1;
    if (!(y1 != y2))
        return {std::min(x1, x2) - reach, std::max(x1, x2) + reach};
    const auto at = [&](double y) { return x1 + std::clamp((y - y1) / (y2 - y1), 0.0, 1.0) * (x2 - x1); };
    const double a = at(top - reach);
    const double b = at(bottom + reach);
    return {std::min(a, b) - reach, std::max(a, b) + reach};
}

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
// are worked out once. The areas come in rows (the runs of a row of tiles
// share their top and bottom, left to right), so a control looks only at
// the rows it spans and, in each, at the runs within the columns it can
// reach there.
void PaintLayer(PixelBuffer& image, std::span<const controls::LayerItem> items, double ratio,
                const std::vector<PixelRect>& areas, CaptionCache& captions)
{
    for (const controls::LayerItem& item : items) {
        if (!controls::IsVisible(item))
            continue;
        const PixelRect bounds = ToDevice(controls::PaintedBounds(item), ratio);
        auto row = std::partition_point(areas.begin(), areas.end(),
                                        [&](const PixelRect& a) { return a.bottom <= bounds.top; });
        while (row != areas.end() && row->top < bounds.bottom) {
            const int top = row->top;
            const auto end = std::find_if(row, areas.end(), [top](const PixelRect& a) { return a.top != top; });
            const std::pair<double, double> columns = Columns(item, ratio, top, row->bottom, bounds);
            auto area = std::partition_point(row, end, [&](const PixelRect& a) { return a.right <= columns.first; });
            for (; area != end && area->left < columns.second; ++area) {
                const PixelRect clip = area->Intersected(bounds);
                if (!clip.IsEmpty())
                    Paint(image, item, ratio, clip, captions);
            }
            row = end;
        }
    }
}

} // namespace web

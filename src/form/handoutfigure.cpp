#include "handoutfigure.h"

#include "controls/overloaded.h"
#include "controls/paintedarea.h"

#include <algorithm>
#include <cmath>

namespace app {

namespace {

// Where a segment crosses into and out of the crop, as fractions of its
// length (Liang and Barsky); false when it misses the crop. A grid line
// along an edge of the crop stays: it frames the figure.
bool Clip(const SheetCrop& crop, controls::Line& line)
{
    const double x = line.X1;
    const double y = line.Y1;
    const double dx = double(line.X2) - x;
    const double dy = double(line.Y2) - y;
    double enter = 0;
    double leave = 1;
    const double towards[4] = {-dx, dx, -dy, dy};
    const double room[4] = {x - crop.Left, crop.Right - x, y - crop.Top, crop.Bottom - y};
    for (int i = 0; i < 4; ++i) {
        if (towards[i] == 0) {
            if (room[i] < 0)
                return false;
            continue;
        }
        const double t = room[i] / towards[i];
        if (towards[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return false;
    // Ends inside are kept as they are, to the bit.
    if (enter > 0) {
        line.X1 = float(x + enter * dx);
        line.Y1 = float(y + enter * dy);
    }
    if (leave < 1) {
        line.X2 = float(x + leave * dx);
        line.Y2 = float(y + leave * dy);
    }
    return true;
}

} // namespace

double TrueScaleMillimetres(const figure::FigureState& state)
{
    return figure::HasScale(state) ? 10.0 / (2.0 * double(state.GridUnit)) : 0;
}

SheetCrop HandoutCrop(const figure::FigureState& state, const Form1Controls& c)
{
    // BC is ten grid steps, centred on the middle grid line; the semicircle
    // rises five above it and A's letter stands above that; the letters and
    // the read-outs below BC take most of two steps, and a read-out of AB or
    // AC reaches up to two steps past B or C where A is near them.
    const double u = state.GridUnit;
    const double middle = double(c.Form1.ScaleWidth) / 2;
    SheetCrop crop{middle - 7 * u, state.By - 6 * u, middle + 7 * u, state.By + 2 * u};
    if (!(u > 0))
        return crop;
    // Anything shown beyond that widens it by whole steps, so that no letter
    // or read-out is ever cut.
    const auto widen = [&](const controls::PixelRect& box) {
        while (box.left < crop.Left && crop.Left > 0)
            crop.Left -= u;
        while (box.right > crop.Right && crop.Right < c.Form1.ScaleWidth)
            crop.Right += u;
        while (box.top < crop.Top && crop.Top > 0)
            crop.Top -= u;
        while (box.bottom > crop.Bottom && crop.Bottom < c.Form1.ScaleHeight)
            crop.Bottom += u;
    };
    for (const auto* labels : {&c.Label1, &c.Label3, &c.Label4}) {
        for (const controls::Label& label : *labels) {
            if (label.Visible)
                widen(controls::PaintedBox(label));
        }
    }
    for (const auto* lines : {&c.Line1, &c.Line2, &c.Line3}) {
        for (const controls::Line& line : *lines) {
            if (line.Visible)
                widen(controls::PaintedBounds(&line));
        }
    }
    return crop;
}

void AppendFigure(const Form1Controls& c, const SheetCrop& crop, int dx, int dy, std::vector<SheetItem>& items)
{
    // The figure as a worksheet has it, less the lesson's panel: a handout
    // sets the lesson's rows out on the sheet itself.
    controls::Layer layer = FigureLayer(c);
    for (const controls::Line& arc : c.Lesson.Arcs)
        layer.push_back(&arc);
    for (const controls::LayerItem& item : layer) {
        if (!controls::IsVisible(item))
            continue;
        std::visit(controls::Overloaded{
                       [&](const controls::Line* line) {
                           controls::Line copy = *line;
                           if (!Clip(crop, copy))
                               return;
                           copy.X1 += float(dx);
                           copy.X2 += float(dx);
                           copy.Y1 += float(dy);
                           copy.Y2 += float(dy);
                           items.emplace_back(copy);
                       },
                       [&](const controls::Label* label) {
                           controls::Label copy = *label;
                           // Sized already; the copy outlives what measured it.
                           copy.SetMetrics(nullptr);
                           copy.Left += float(dx);
                           copy.Top += float(dy);
                           items.emplace_back(std::move(copy));
                       },
                       [](const controls::Shape*) {},
                   },
                   item);
    }
}

} // namespace app

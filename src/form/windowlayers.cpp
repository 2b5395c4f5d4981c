#include "windowlayers.h"

#include <algorithm>
#include <cmath>

namespace app {

namespace {

// The lesson over the figure: its arcs over the sides and beneath the
// read-outs, its panel over everything.
void AddLesson(const Form1Controls& c, controls::Layer& layer)
{
    controls::Layer arcs;
    figure::AppendLessonArcs(c.Lesson, arcs);
    const auto readouts = std::find(layer.begin(), layer.end(), controls::LayerItem(&c.Label3[0]));
    layer.insert(readouts, arcs.begin(), arcs.end());
    figure::AppendLessonPanel(c.Lesson, layer);
}

} // namespace

controls::Layer WindowLayer(const Form1Controls& c)
{
    controls::Layer layer = MiddleLayer(c);
    AddLesson(c, layer);
    AppendKeyHelpLayer(c.Help, layer);
    return layer;
}

controls::Layer WorksheetLayer(const Form1Controls& c)
{
    controls::Layer layer = FigureLayer(c);
    AddLesson(c, layer);
    return layer;
}

controls::PixelRect MemoOverLesson(const Form1Controls& c)
{
    const controls::Shape& panel = c.Lesson.Panel;
    if (!panel.Visible)
        return {};
    return {controls::WholePixels(std::floor(panel.Left)), controls::WholePixels(std::floor(panel.Top)),
            controls::WholePixels(std::ceil(panel.Left + panel.Width)),
            controls::WholePixels(std::ceil(panel.Top + panel.Height))};
}

} // namespace app

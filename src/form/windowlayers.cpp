#include "windowlayers.h"

#include <cmath>

namespace app {

controls::Layer WindowLayer(const Form1Controls& c)
{
    controls::Layer layer = MiddleLayer(c);
    figure::AppendLessonLayer(c.Lesson, layer);
    AppendKeyHelpLayer(c.Help, layer);
    return layer;
}

controls::Layer WorksheetLayer(const Form1Controls& c)
{
    controls::Layer layer = FigureLayer(c);
    figure::AppendLessonLayer(c.Lesson, layer);
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

#include "worksheetsvg.h"

#include "handout.h"
#include "windowlayers.h"

#include "controls/svgwriter.h"

namespace app {

std::string WorksheetSvg(const Form1Controls& c, const controls::TextMetrics& metrics, std::string_view surface,
                         double millimetresPerPixel)
{
    const controls::Layer layer = WorksheetLayer(c);
    return controls::WriteSvg(controls::SvgPicture{.Items = layer,
                                                   .Width = c.Form1.ScaleWidth,
                                                   .Height = c.Form1.ScaleHeight,
                                                   .Background = c.Form1.BackColor,
                                                   .Metrics = metrics,
                                                   .Surface = surface,
                                                   .MillimetresPerPixel = millimetresPerPixel,
                                                   .SurfaceOver = MemoOverLesson(c)});
}

std::string HandoutSvg(const Handout& handout, const controls::TextMetrics& metrics)
{
    const controls::Layer layer = HandoutLayer(handout);
    return controls::WriteSvg(controls::SvgPicture{.Items = layer,
                                                   .Width = handout.Width,
                                                   .Height = handout.Height,
                                                   .Background = controls::Color{0xFFFFFF},
                                                   .Metrics = metrics,
                                                   .Surface = {},
                                                   .MillimetresPerPixel = handout.MillimetresPerUnit,
                                                   .SurfaceOver = {}});
}

} // namespace app

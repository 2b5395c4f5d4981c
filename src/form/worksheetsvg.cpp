#include "worksheetsvg.h"

#include "windowlayers.h"

#include "controls/svgwriter.h"

namespace app {

std::string WorksheetSvg(const Form1Controls& c, const controls::TextMetrics& metrics, std::string_view surface)
{
    const controls::Layer layer = WorksheetLayer(c);
    return controls::WriteSvg(controls::SvgPicture{.Items = layer,
                                                   .Width = c.Form1.ScaleWidth,
                                                   .Height = c.Form1.ScaleHeight,
                                                   .Background = c.Form1.BackColor,
                                                   .Metrics = metrics,
                                                   .Surface = surface,
                                                   .SurfaceOver = MemoOverLesson(c)});
}

} // namespace app

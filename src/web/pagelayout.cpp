#include "pagelayout.h"

#include "form/form1.h"
#include "form/worksheetpose.h"

#include "controls/surface.h"

#include <cmath>

namespace web {

int WindowHeight(int width, int height, const controls::TextMetrics& metrics)
{
    controls::BlankSurface surface;
    app::Form1 form(surface, &metrics);
    const controls::Form designed = form.Controls().Form1;
    const int upright = int(std::lround(std::max(width, 0) * double(designed.ScaleHeight) / designed.ScaleWidth));
    if (upright > height)
        return height;
    // The letters as they are painted, of the figure as the window opens.
    app::WorksheetPose opened;
    opened.Width = float(width);
    opened.Height = float(height);
    app::PoseFigure(form, opened);
    const controls::PixelRect client{0, 0, width, height};
    for (const controls::Label& letter : form.Controls().Label1) {
        const controls::PixelRect box = controls::PaintedBox(letter);
        if (box.Intersected(client) != box)
            return upright;
    }
    return height;
}

} // namespace web

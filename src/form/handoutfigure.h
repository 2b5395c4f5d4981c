#pragma once

#include "form1controls.h"

#include "figure/figurestate.h"

#include <variant>
#include <vector>

namespace app {

// A control as a handout holds it: its own copy, placed on the sheet.
using SheetItem = std::variant<controls::Line, controls::Label>;

// The part of a figure's client area a handout shows, in its pixels.
struct SheetCrop {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;

    [[nodiscard]] double Width() const { return Right - Left; }
    [[nodiscard]] double Height() const { return Bottom - Top; }
};

// Millimetres to the pixel at which a read-out's centimetre is one on
// paper: two grid steps make a centimetre, so BC is 5 cm long.
[[nodiscard]] double TrueScaleMillimetres(const figure::FigureState& state);

// Whole grid steps about the semicircle over BC, wide and high enough for
// the letters and every read-out wherever A is, and for anything shown
// beyond that. The grid lines at its edges frame the figure.
[[nodiscard]] SheetCrop HandoutCrop(const figure::FigureState& state, const Form1Controls& c);

// Copies of the figure's visible lines, letters, read-outs and the lesson's
// arcs, back to front, cut to `crop` and moved by whole pixels (dx, dy).
void AppendFigure(const Form1Controls& c, const SheetCrop& crop, int dx, int dy, std::vector<SheetItem>& items);

} // namespace app

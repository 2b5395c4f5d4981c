#include "grid.h"

#include "figurecontrols.h"
#include "figurestate.h"

namespace figure {

namespace {

void PlaceHorizontal(controls::Line& line, float y, float width)
{
    line.X1 = 0;
    line.Y1 = y;
    line.X2 = width;
    line.Y2 = y;
    line.Visible = true;
}

// A vertical line takes its X2 from its own X1 as the control holds it, so
// that it stands exactly upright.
void PlaceVertical(controls::Line& line, float x, float height)
{
    line.X1 = x;
    line.Y1 = 0;
    line.X2 = line.X1;
    line.Y2 = height;
    line.Visible = true;
}

} // namespace

// All arithmetic here is in single precision, rounding after every operation:
// k grid steps are rounded before they are added to or taken from the middle,
// which puts Line6(6) of a 900 x 541 client area at 125.4000244140625 and not
// at 125.40000915527344.
void LayOutGrid(const FigureState& state, FigureControls& c)
{
    const float unit = state.GridUnit;
    const float width = c.Form1.ScaleWidth;
    const float height = c.Form1.ScaleHeight;

    // Line5(k) lies k grid steps below the top edge, across the full width.
    PlaceHorizontal(c.Line5[0], 0, width);
    for (int k = 1; k < HorizontalGridLines; ++k)
        PlaceHorizontal(c.Line5[k], unit * float(k), width);

    // Line6(0) stands in the middle; Line6(1..15) stand 1 to 15 steps to its
    // left and Line6(16..30) 1 to 15 steps to its right, whatever the width.
    PlaceVertical(c.Line6[0], width / 2, height);
    const int stepsEachSide = (VerticalGridLines - 1) / 2;
    for (int k = 1; k <= stepsEachSide; ++k) {
        const float middle = c.Line6[0].X1;
        const float offset = unit * float(k);
        PlaceVertical(c.Line6[k], middle - offset, height);
    }
    for (int k = 1; k <= stepsEachSide; ++k) {
        const float middle = c.Line6[0].X1;
        const float offset = unit * float(k);
        PlaceVertical(c.Line6[stepsEachSide + k], middle + offset, height);
    }
}

void ShowGrid(FigureControls& c, bool visible)
{
    for (controls::Line& line : c.Line5)
        line.Visible = visible;
    for (controls::Line& line : c.Line6)
        line.Visible = visible;
}

} // namespace figure

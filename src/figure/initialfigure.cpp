#include "initialfigure.h"

#include "figurecontrols.h"
#include "figurestate.h"
#include "grid.h"
#include "lengths.h"
#include "rounding.h"
#include "vertexplacement.h"

namespace figure {

// Every formula is in double precision unless it says Single; what is
// written to a control is rounded there, as the control stores a single.
void ResetFigure(FigureState& s, FigureControls& c)
{
    s.Dragging = 0;
    s.AngleA = 74;
    Check2_Click(c);
    Check3_Click(c);
    Check4_Click(c);
    for (controls::Line& side : c.Line1)
        side.BorderColor = controls::Color{0x000000};

    const float W = c.Form1.ScaleWidth;
    const float H = c.Form1.ScaleHeight;
    s.GridUnit = H / 10;
    LayOutGrid(s, c);
    const double u = s.GridUnit;

    // B and C: BC is ten grid steps long, four fifths of the way down and
    // centred on the middle grid line. The fraction 4 / 5 is formed first.
    s.By = (4.0 / 5.0) * H;
    s.Cy = s.By;
    s.Bx = Single(double(W) / 2 - u * 5);
    s.Cx = Single(u * 5 + double(W) / 2);

    PlaceVertexA(s, W);
    PlaceSides(s, c);
    // A starts right of the middle, and the mark at D stands on B's side.
    PlaceMarkAtD(s, c, Side::TowardsB);
    PlaceMarkLettersAndLengths(s, c);
}

} // namespace figure

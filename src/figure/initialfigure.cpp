#include "initialfigure.h"

#include "figurecontrols.h"
#include "figurestate.h"
#include "grid.h"
#include "lengths.h"
#include "rounding.h"
#include "vertexplacement.h"

#include <cmath>

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

    controls::Line& bc = c.Line1[0];
    controls::Line& ab = c.Line1[1];
    controls::Line& ac = c.Line1[2];
    controls::Line& ad = c.Line1[3];
    bc.X1 = s.Bx;
    bc.Y1 = s.By;
    bc.X2 = s.Cx;
    bc.Y2 = s.Cy;
    ab.X1 = s.Bx;
    ab.Y1 = s.By;
    ac.X1 = s.Cx;
    ac.Y1 = s.Cy;

    // A on the circle over BC. The angle uses 3.14, not pi.
    const double theta = double(s.AngleA) * 3.14 / 180;
    s.Ax = (u * 5) * std::cos(theta) + double(W) / 2;
    s.Ay = s.By - (u * 5) * std::sin(theta);

    ab.X2 = s.Ax;
    ab.Y2 = s.Ay;
    ac.X2 = s.Ax;
    ac.Y2 = s.Ay;
    ad.X1 = s.Ax;
    ad.Y1 = s.Ay;
    ad.X2 = s.Ax;
    ad.Y2 = s.By;

    // The mark at D: the corner of a square of side u / 3 standing on BC just
    // left of the altitude, on B's side as A starts right of the middle.
    const double side = Single(u / 3);
    controls::Line& upper = c.Line2[0];
    controls::Line& left = c.Line2[1];
    upper.X1 = s.Ax - side;
    upper.Y1 = s.By - side;
    upper.X2 = s.Ax;
    upper.Y2 = s.By - side;
    left.X1 = s.Ax - side;
    left.Y1 = s.By - side;
    left.X2 = s.Ax - side;
    left.Y2 = s.By;

    if (!HasScale(s))
        return;
    PlaceMarkAtA(s, c);
    PlaceLetters(s, c);
    UpdateLengths(s, c);
}

} // namespace figure

#include "movevertex.h"

#include "figurecontrols.h"
#include "figurestate.h"
#include "vertexplacement.h"

namespace figure {

void MoveVertexA(FigureState& s, FigureControls& c)
{
    const float W = c.Form1.ScaleWidth;
    PlaceVertexA(s, W);
    PlaceSides(s, c);

    // Left of the middle, the mark goes right of the altitude, towards C;
    // otherwise, exactly in the middle included, towards B. The middle is
    // taken in single precision.
    const float middle = W / 2;
    PlaceMarkAtD(s, c, s.Ax < double(middle) ? Side::TowardsC : Side::TowardsB);

    PlaceMarkLettersAndLengths(s, c);
}

} // namespace figure

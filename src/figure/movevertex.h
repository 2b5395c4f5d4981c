#pragma once

namespace figure {

struct FigureState;
struct FigureControls;

// Puts A where AngleA now places it and brings along everything attached to
// it: the sides, the altitude, the mark at D on the side of the altitude that
// faces the middle of BC, the mark at A, the letters and the read-outs. B, C,
// GridUnit and AngleA stay as they are; AngleA may be any whole number, and
// past 180 or below 0 A goes on round the circle below BC.
void MoveVertexA(FigureState& state, FigureControls& c);

} // namespace figure

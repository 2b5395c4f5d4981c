#pragma once

namespace figure {

struct FigureState;
struct FigureControls;

// Builds the initial figure for the current client area: ends any drag, puts
// A back at 74 degrees, shows the read-outs as their boxes stand, lays out and
// shows the whole grid, and places B, C, A, the sides, the altitude, both
// right-angle marks, the letters and the read-outs. GridShown and Check1 are
// left as they are. In a client area without height it stops after the mark
// at D; the next reset with height builds everything again.
void ResetFigure(FigureState& state, FigureControls& c);

} // namespace figure

#pragma once

namespace figure {

struct FigureState;
struct FigureControls;

// What follows A wherever it goes, for the initial figure and for every
// step of a drag alike.

// The right-angle mark at A: the square of side GridUnit / 3 with corners A,
// P on AB, Q inside the triangle and R on AC, drawn as its edges PQ (Line3(0))
// and RQ (Line3(1)). Where A lies exactly on B or C there is no angle to mark,
// and the mark shrinks to the point A.
void PlaceMarkAtA(const FigureState& state, FigureControls& c);

// The letters A, B, C and D: A above its vertex, the others just below BC,
// each box starting 9 pixels left of its point.
void PlaceLetters(const FigureState& state, FigureControls& c);

} // namespace figure

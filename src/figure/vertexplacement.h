#pragma once

#include <cstdint>

namespace figure {

struct FigureState;
struct FigureControls;

// What follows A wherever it goes: the same placements serve the initial
// figure and every step of a drag.

// AngleA in radians. The design turns degrees into radians with 3.14, not
// pi, so 180 steps turn A through slightly less than half a turn.
[[nodiscard]] inline double Radians(std::int64_t degrees)
{
    return double(degrees) * 3.14 / 180;
}

// A on the circle of radius 5 GridUnit about the middle of BC, at AngleA.
void PlaceVertexA(FigureState& state, float scaleWidth);

// The hypotenuse BC, the sides AB and AC, and the altitude from A straight
// down to D = (Ax, By).
void PlaceSides(const FigureState& state, FigureControls& c);

// The right-angle mark at D: the corner of a square of side GridUnit / 3
// standing on BC beside the altitude, on B's or on C's side of it.
enum class Side { TowardsB, TowardsC };
void PlaceMarkAtD(const FigureState& state, FigureControls& c, Side side);

// The right-angle mark at A: the square of side GridUnit / 3 with corners A,
// P on AB, Q inside the triangle and R on AC, drawn as its edges PQ (Line3(0))
// and RQ (Line3(1)). Where A lies exactly on B or C there is no angle to mark,
// and the mark shrinks to the point A.
void PlaceMarkAtA(const FigureState& state, FigureControls& c);

// The letters A, B, C and D: A above its vertex, the others just below BC,
// each box starting 9 pixels left of its point.
void PlaceLetters(const FigureState& state, FigureControls& c);

// The last steps of every placement of A: the mark at A, the letters, the
// read-outs and the lesson over them. A client area without height has none of them; they keep what
// they showed until the window has height again.
void PlaceMarkLettersAndLengths(const FigureState& state, FigureControls& c);

} // namespace figure

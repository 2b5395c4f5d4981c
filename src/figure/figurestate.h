#pragma once

#include <cstdint>

namespace figure {

// The values the window keeps for the whole run and that start-up, input and
// the figure share. Coordinates are in pixels of the client area, y growing
// downwards. Each field keeps its own precision: a value is rounded to its
// field's type as it is stored, and the figure's numbers depend on that.
struct FigureState {
    double Ax = 0;     // vertex A, the right-angle vertex
    double Ay = 0;
    float Bx = 0;      // vertex B, the left end of the hypotenuse
    double By = 0;     // the baseline of B, C and the foot D
    float Cx = 0;      // vertex C, the right end of the hypotenuse
    double Cy = 0;     // always a copy of By
    float LastX = 0;   // the pointer at the last press or handled move
    float LastY = 0;
    // Whole degrees about the midpoint of BC, counted from the direction of C,
    // counter-clockwise on the screen. Unbounded, and wide enough that no drag
    // can ever make it wrap.
    std::int64_t AngleA = 0;
    float GridUnit = 0; // one grid step: a tenth of the client height
    int Dragging = 0;   // 1 while a button pressed on the window is held
    int GridShown = 0;  // 1 when the grid check box last showed the grid
};

// A client area without height has no grid step. A, B and C then fall on one
// point: the figure has no angle at A to mark and no scale for its lengths.
[[nodiscard]] inline bool HasScale(const FigureState& state)
{
    return state.GridUnit > 0;
}

} // namespace figure

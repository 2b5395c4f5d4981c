#pragma once

namespace figure {

struct FigureState;
struct FigureControls;

// Number of grid lines: 11 horizontal, Line5(0..10), and 31 vertical,
// Line6(0..30), of which Line6(0) stands in the middle.
inline constexpr int HorizontalGridLines = 11;
inline constexpr int VerticalGridLines = 31;

// Places every grid line for the current client area and GridUnit, and shows
// it. The lines must all exist already.
void LayOutGrid(const FigureState& state, FigureControls& c);

// Shows or hides all 42 grid lines, Line5 first, then Line6.
void ShowGrid(FigureControls& c, bool visible);

} // namespace figure

#pragma once

namespace figure {

struct FigureState;
struct FigureControls;

// AB, AC, AD and BD in pixels, as the read-outs measure them.
struct SideLengths {
    double AB = 0;
    double AC = 0;
    double AD = 0;
    double BD = 0;
};
[[nodiscard]] SideLengths MeasureSides(const FigureState& state);

// Measures AB, AC, AD and BD, writes them in centimetres as the captions of
// their read-outs and moves all five read-outs beside their segments, shown
// or not. The BC read-out keeps its "５cm". While there is no grid step the
// read-outs keep what they last showed.
void UpdateLengths(const FigureState& state, FigureControls& c);

// The read-out check boxes: each shows or hides its read-outs as its box
// stands. Check2: BC, AB and AC; Check3: AD; Check4: BD.
void Check2_Click(FigureControls& c);
void Check3_Click(FigureControls& c);
void Check4_Click(FigureControls& c);

} // namespace figure

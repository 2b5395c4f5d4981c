#pragma once

namespace figure {

class Clearance;
struct FigureState;
struct LessonControls;

// Marks the equal angles with arcs: one at ∠B and ∠DAC, two at ∠C and ∠BAD,
// each in its pair's colour. Each arc is as large as it can be, up to four
// fifths of a grid step, while it stays clear of everything in `clearance`
// (the other lines, the right-angle marks, the letters, the read-outs
// shown) and outside the mark at A. Each angle is marked where it has room
// of its own, whatever its equal has; where there is no triangle there are
// none. The arcs drawn are added to `clearance`.
void PlaceLessonArcs(const FigureState& state, LessonControls& lesson, Clearance& clearance);

void HideLessonArcs(LessonControls& lesson);

} // namespace figure

#pragma once

#include "controls/color.h"

#include <string>
#include <vector>

namespace figure {

struct FigureState;

// What the lesson's panel says at a step, as rows of runs: text, a raised
// small exponent, or an empty box in place of a number on a worksheet.
struct LessonRun {
    enum class Kind { Text, Exponent, Blank };
    Kind kind = Kind::Text;
    std::string text; // for a blank, the number it stands for
    controls::Color color;
};

struct LessonRow {
    // What the row is: a sentence, a relation's heading, a row of numbers,
    // or a line of the note on rounding.
    enum class Role { Statement, Heading, Numbers, Note };
    std::vector<LessonRun> runs;
    Role role = Role::Statement;
    bool angles = false;    // the degrees, the first rows left out for want of room
    bool continues = false; // the sentence of the row before goes on here
};

struct LessonText {
    std::vector<LessonRow> rows;
    // The whole panel in words, as a screen reader speaks it; never blanks.
    std::string spoken;
};

// The panel at `step` (1 to 9) for the figure as it stands: step 1 the
// similar triangles and their equal angles, then each relation twice, first
// with "？" for the numbers, then with the read-outs' numbers. Where A lies
// on BC as far as the read-outs tell (AD reads 0), one sentence says there
// is no triangle. With `blanks`, the degrees and every product are boxes.
[[nodiscard]] LessonText ComposeLesson(int step, bool blanks, const FigureState& state);

// Rows as a screen reader speaks them: as sentences, a sentence broken over
// rows joined again, an exponent said as a word (「ABの2乗」).
[[nodiscard]] std::string SpeakLessonRows(const std::vector<const LessonRow*>& rows);

// Whether the figure has a triangle to speak of: AD does not read 0.
[[nodiscard]] bool HasTriangle(const FigureState& state);

} // namespace figure

#pragma once

#include "lessonnumbers.h"

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
    // What the row is, so that a handout can set each kind its own way: a
    // sentence, a relation's heading, a row of numbers (boxes on a
    // worksheet), or a line of the note on rounding.
    enum class Role { Statement, Heading, Numbers, Note };
    std::vector<LessonRun> runs;
    Role role = Role::Statement;
    bool angles = false;    // the degrees, the first rows left out for want of room
    bool derived = false;   // works a factor out (CD), the last row left out
    bool continues = false; // the sentence of the row before goes on here
};

struct LessonText {
    std::vector<LessonRow> rows;
    // The whole panel in words, as a screen reader speaks it; never blanks.
    std::string spoken;
};

// How the numbers of the rows are written: "？" for the class to predict,
// the numbers themselves, boxes for what the class works out (the degrees,
// CD and the products), or boxes for every number, the read-outs included,
// as a handout leaves them.
enum class LessonFill { Guess, Numbers, WorkedOut, Every };

// The panel at `step` (1 to 9) for the figure as it stands: step 1 the
// similar triangles and their equal angles, then each relation twice, first
// with "？" for the numbers, then with the read-outs' numbers. Where A lies
// on BC as far as the read-outs tell (AD reads 0), one sentence says there
// is no triangle. With `blanks`, the degrees, CD and every product are boxes.
[[nodiscard]] LessonText ComposeLesson(int step, bool blanks, const FigureState& state);

// Rows as a screen reader speaks them: as sentences, a sentence broken over
// rows joined again, an exponent said as a word (「ABの2乗」).
[[nodiscard]] std::string SpeakLessonRows(const std::vector<const LessonRow*>& rows);

// Whether the figure has a triangle to speak of: AD does not read 0.
[[nodiscard]] bool HasTriangle(const FigureState& state);

// The rows of the lesson one at a time, for a sheet that shows them all.
// The similar triangles: the statement, its reason and the equal angles.
void AppendSimilarityRows(std::vector<LessonRow>& rows, LessonFill fill, const FigureState& state);
// A relation: its heading; where it uses CD, the row that works CD out; a
// row for each side, named; and where the two products differ, the note
// that says why.
void AppendRelationRows(std::vector<LessonRow>& rows, Relation relation, LessonFill fill, const FigureState& state);
// The sentence that stands for all of it where there is no triangle.
void AppendNoTriangleRow(std::vector<LessonRow>& rows);

// The rows in words, as a screen reader speaks them.
[[nodiscard]] std::string SpokenRows(const std::vector<LessonRow>& rows);

} // namespace figure

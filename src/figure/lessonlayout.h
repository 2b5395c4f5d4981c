#pragma once

#include "clearance.h"
#include "lessonlines.h"

#include "controls/font.h"

#include <optional>
#include <vector>

namespace figure {

class FreeSpace;
struct LessonControls;
struct LessonRow;

// Everything of the lesson's panel that follows from its text size, in pixels.
struct LessonSizes {
    controls::Font font;
    controls::Font small; // the exponent's, three fifths of the text at least
    float rowHeight = 0;
    float rowGap = 0;
    float cell = 0; // a button of the step control, square
    float cellGap = 0;
    float stepWidth = 0; // the step as text, 「9／9」 at its widest
    float header = 0;    // the step control laid along the head: its width
    float side = 0;      // and stood up along the right side: its height
    float blank = 0;     // a box for a number on a worksheet
};

// The sizes for a text of `pixels`, in the lesson's face as its measure
// has it. The widths it measures are kept (LessonControls::Measured) while
// the size stays.
[[nodiscard]] LessonSizes LessonSizesFor(LessonControls& lesson, int pixels);

// Rows of the panel, each cut where a line may break.
struct LessonContent {
    std::vector<const LessonRow*> rows;
    std::vector<std::vector<LessonPiece>> pieces;
    float natural = 0;   // the widest row left whole
    float narrowest = 0; // the narrowest the rows can be broken to
};

[[nodiscard]] LessonContent CutLessonRows(const std::vector<const LessonRow*>& rows, const LessonSizes& sizes,
                                          const LessonControls& lesson);

// Where the step control stands: along the panel's head, stood up along its
// right side where height is scarcer than width, apart in a box of its own
// where the panel needs all the room there is, or nowhere (a worksheet,
// which no one steps).
enum class LessonSteps { Head, Side, Apart, None };

struct LessonLayout {
    LessonSteps steps = LessonSteps::Head;
    std::vector<LessonLine> lines;
    float widest = 0; // line
    float pad = 0;
    float width = 0;
    float height = 0;
};

// The rows broken into lines `lineWidth` wide at most, with the step
// control as `steps` says, and the panel's size.
[[nodiscard]] LessonLayout ArrangeLesson(const LessonContent& content, const LessonSizes& sizes, float lineWidth,
                                         LessonSteps steps);

struct LessonPlacement {
    LessonLayout layout;
    Clearance::Box box;
    std::optional<Clearance::Box> steps; // the step control's own box, when apart
};

// The layout and place nearest `area`'s top right corner, a line more
// counting as far as a row lower: the rows as they are, then broken
// narrower and narrower as long as that can bring the panel nearer; the
// step control at the head, at the side, or apart. Empty where nothing fits.
[[nodiscard]] std::optional<LessonPlacement> PlaceLesson(const LessonContent& content, const LessonSizes& sizes,
                                                         bool stepControl, const FreeSpace& space,
                                                         const Clearance::Box& area);

} // namespace figure

#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace figure {

struct LessonRow;
struct LessonRun;

// A row of the panel cut where a line may end, the way Japanese is set: a
// line may break between two characters of Japanese, after a blank, and
// never inside a number or a word of Latin letters, before a closing mark
// (、。）°), after an opening one or a sign that belongs to what follows
// (（△∠ ＝ ≒ ×), or before an exponent. So a long sentence runs on over
// lines, and a product breaks before its 「＝」.
struct LessonPiece {
    std::size_t run = 0; // the row's run it comes from
    std::string text;    // without the blanks after it
    std::string after;   // the blanks after it, which a line that ends here drops
    float width = 0;
    float blanks = 0;    // their width
    bool opens = true;   // a line may begin with it
};

// Measures a run's text in pixels, in its font: the exponent's is smaller.
using LessonMeasure = std::function<float(const LessonRun& run, std::string_view text)>;

[[nodiscard]] std::vector<LessonPiece> CutLessonRow(const LessonRow& row, const LessonMeasure& measure);

// A line of the panel: the pieces [first, last) of one row.
struct LessonLine {
    std::size_t row = 0;
    std::size_t first = 0;
    std::size_t last = 0;
    float width = 0;
};

// Breaks a row's pieces into lines no wider than `width` where it can, and
// appends them to `lines`; a piece too wide for any line stands alone on
// one. Returns the widest line's width.
float BreakLessonRow(const std::vector<LessonPiece>& pieces, std::size_t row, float width,
                     std::vector<LessonLine>& lines);

// The widest line the row can be broken into: that of its widest piece
// with what may not be parted from it.
[[nodiscard]] float NarrowestLessonRow(const std::vector<LessonPiece>& pieces);

} // namespace figure

#include "figure/freespace.h"
#include "figure/lessoncontrols.h"
#include "figure/lessonlines.h"
#include "figure/lessontext.h"
#include "figure/movevertex.h"
#include "figure/initialfigure.h"

#include "testfigure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::u32string Characters(std::string_view text)
{
    std::u32string out;
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? byte : byte & (0x3F >> (length - 1));
        for (int i = 1; i < length; ++i)
            c = (c << 6) | (static_cast<unsigned char>(text[at + std::size_t(i)]) & 0x3F);
        at += std::size_t(length);
        if (c != U' ' && c != U'\u3000')
            out += c;
    }
    return out;
}

bool Word(char32_t c)
{
    return c > U' ' && c < 0x7F;
}

} // namespace

// Every row the lesson writes, broken at every width from a few characters
// up: the lines keep every character in order, a line is wider than asked
// only where nothing in it may part, and no line parts a number, starts
// with a closing mark or ends on a sign that belongs to what follows.
TEST(BreakLessonRow, partsRowsOnlyWhereJapaneseAndSumsMay)
{
    const figure::LessonMeasure measure = [](const figure::LessonRun& run, std::string_view text) {
        return float(Characters(text).size() * (run.kind == figure::LessonRun::Kind::Exponent ? 6 : 10));
    };
    const std::u32string closing = U"、。）°";
    const std::u32string holding = U"（△∠＝×−";
    for (const std::int64_t angle : {74, 30, 150}) {
        TestFigure f;
        figure::ResetFigure(f.state, f.controls);
        f.state.AngleA = angle;
        figure::MoveVertexA(f.state, f.controls);
        const figure::FigureState& state = f.state;
        for (int step = 1; step <= figure::LessonLastStep; ++step) {
            for (const bool blanks : {false, true}) {
                for (const figure::LessonRow& row : figure::ComposeLesson(step, blanks, state).rows) {
                    std::u32string whole;
                    for (const figure::LessonRun& run : row.runs)
                        whole += run.kind == figure::LessonRun::Kind::Blank ? U"" : Characters(run.text);
                    const std::vector<figure::LessonPiece> pieces = figure::CutLessonRow(row, measure);
                    for (float width = 40; width <= 600; width += 7) {
                        std::vector<figure::LessonLine> lines;
                        figure::BreakLessonRow(pieces, 0, width, lines);
                        std::u32string joined;
                        std::size_t next = 0;
                        for (const figure::LessonLine& line : lines) {
                            ASSERT_EQ(line.first, next) << width;
                            next = line.last;
                            bool parts = false;
                            for (std::size_t i = line.first; i < line.last; ++i) {
                                parts = parts || (i > line.first && pieces[i].opens);
                                if (row.runs[pieces[i].run].kind != figure::LessonRun::Kind::Blank)
                                    joined += Characters(pieces[i].text);
                            }
                            EXPECT_TRUE(line.width <= width + 0.01 || !parts) << width;
                            if (line.first == 0)
                                continue;
                            const std::u32string before = Characters(pieces[line.first - 1].text);
                            const std::u32string after = Characters(pieces[line.first].text);
                            if (before.empty() || after.empty())
                                continue;
                            EXPECT_EQ(closing.find(after.front()), std::u32string::npos) << width;
                            EXPECT_EQ(holding.find(before.back()), std::u32string::npos) << width;
                            EXPECT_FALSE(Word(before.back()) && Word(after.front()) && pieces[line.first - 1].after.empty())
                                << width;
                        }
                        EXPECT_EQ(next, pieces.size());
                        if (!blanks) {
                            EXPECT_EQ(joined, whole) << width;
                        }
                    }
                }
            }
        }
    }
}

// The panel's place against every place tried one by one, on scenes of
// boxes scattered at random: none where nothing fits, else the nearest to
// the top right there is, however many rows the search passes over at a
// time.
TEST(FreeSpace, findsWhatTryingEveryPlaceFinds)
{
    std::uint32_t seed = 20261210;
    const auto next = [&seed](int below) {
        seed = seed * 1664525u + 1013904223u;
        return double((seed >> 8) % std::uint32_t(below));
    };
    const figure::Clearance::Box area{6, 6, 406, 306};
    for (int scene = 0; scene < 200; ++scene) {
        figure::FreeSpace space;
        std::vector<figure::Clearance::Box> boxes;
        for (int i = 0, count = 1 + int(next(12)); i < count; ++i) {
            const double left = next(420), top = next(320);
            boxes.push_back({left, top, left + 10 + next(120), top + 10 + next(90)});
            space.AddBox(boxes.back());
        }
        const double width = 20 + next(200), height = 10 + next(150);
        double best = std::numeric_limits<double>::infinity();
        for (double top = area.top; top + height <= area.bottom; top += 2) {
            std::vector<double> rights{area.right};
            for (const figure::Clearance::Box& box : boxes)
                rights.push_back(box.left);
            for (const double right : rights) {
                const double left = right - width;
                const bool free = left >= area.left && right <= area.right
                    && std::none_of(boxes.begin(), boxes.end(), [&](const figure::Clearance::Box& box) {
                           return box.top < top + height && box.bottom > top && box.left < right && box.right > left;
                       });
                if (free)
                    best = std::min(best, (area.right - right) + (top - area.top));
            }
        }
        const std::optional<figure::Clearance::Box> found = space.Nearest(width, height, area);
        ASSERT_EQ(found.has_value(), std::isfinite(best)) << scene;
        if (found) {
            EXPECT_EQ(figure::FreeSpace::Distance(*found, area), best) << scene;
        }
    }
}

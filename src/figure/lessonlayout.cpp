#include "lessonlayout.h"

#include "freespace.h"
#include "lessoncontrols.h"
#include "lessontext.h"

#include "controls/shape.h"
#include "controls/textmetrics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace figure {

namespace {

// Between the step control apart and the panel, as between the panel and the figure.
constexpr double Apart = 6;

// A piece of text in the panel's font, or with `small` the exponent's, at
// the size LessonSizesFor last set. Numbers come and go with A, so the
// store is bounded.
float Measured(const LessonControls& lesson, const controls::Font& font, bool small, std::string_view text)
{
    std::string key(small ? "^" : "");
    key += text;
    if (const auto found = lesson.Measured.find(key); found != lesson.Measured.end())
        return found->second;
    if (lesson.Measured.size() > 4096)
        lesson.Measured.clear();
    const float width = controls::MeasureText(lesson.Metrics, font, text).Width;
    lesson.Measured.emplace(std::move(key), width);
    return width;
}

float StepsWidth(const LessonSizes& sizes)
{
    return std::max(sizes.cell, sizes.stepWidth);
}

} // namespace

LessonSizes LessonSizesFor(LessonControls& lesson, int pixels)
{
    LessonSizes s;
    s.font = lesson.Font;
    s.font.Size = pixels * 0.75;
    s.small = lesson.Font;
    s.small.Size = std::ceil(pixels * 0.6) * 0.75;
    if (lesson.MeasuredPixels != pixels) {
        lesson.Measured.clear();
        lesson.MeasuredPixels = pixels;
    }
    s.rowHeight = controls::MeasureText(lesson.Metrics, s.font, "A").Height;
    s.rowGap = std::max(2.0f, std::round(float(pixels) * 0.15f));
    s.cell = std::max(LessonButtonSide, std::round(float(pixels) * 2.2f));
    s.cellGap = std::max(4.0f, std::round(s.cell / 8));
    s.stepWidth = std::max(s.cell, controls::MeasureText(lesson.Metrics, s.font, "9／9").Width + 2 * s.cellGap);
    s.header = 3 * s.cell + s.stepWidth + 3 * s.cellGap;
    s.side = 4 * s.cell + 3 * s.cellGap;
    s.blank = std::ceil(float(pixels) * 2.5f);
    return s;
}

LessonContent CutLessonRows(const std::vector<const LessonRow*>& rows, const LessonSizes& sizes,
                            const LessonControls& lesson)
{
    const LessonMeasure measure = [&](const LessonRun& run, std::string_view piece) -> float {
        switch (run.kind) {
        case LessonRun::Kind::Blank: return sizes.blank;
        case LessonRun::Kind::Exponent: return Measured(lesson, sizes.small, true, piece);
        case LessonRun::Kind::Text: break;
        }
        return Measured(lesson, sizes.font, false, piece);
    };
    LessonContent content;
    std::vector<LessonLine> whole;
    for (const LessonRow* row : rows) {
        content.rows.push_back(row);
        content.pieces.push_back(CutLessonRow(*row, measure));
        content.natural = std::max(content.natural, BreakLessonRow(content.pieces.back(), 0,
                                                                   std::numeric_limits<float>::infinity(), whole));
        content.narrowest = std::max(content.narrowest, NarrowestLessonRow(content.pieces.back()));
    }
    return content;
}

LessonLayout ArrangeLesson(const LessonContent& content, const LessonSizes& sizes, float lineWidth,
                           LessonSteps steps)
{
    LessonLayout layout;
    layout.steps = steps;
    for (std::size_t row = 0; row < content.rows.size(); ++row)
        layout.widest = std::max(layout.widest, BreakLessonRow(content.pieces[row], row, lineWidth, layout.lines));
    const auto lines = float(layout.lines.size());
    const float text = lines > 0 ? lines * sizes.rowHeight + (lines - 1) * sizes.rowGap : 0;
    float width = layout.widest;
    float height = text;
    switch (steps) {
    case LessonSteps::Head:
        width = std::max(width, sizes.header);
        height = sizes.cell + (lines > 0 ? 2 * sizes.rowGap + text : 0);
        break;
    case LessonSteps::Side:
        width += 2 * sizes.cellGap + StepsWidth(sizes);
        height = std::max(height, sizes.side);
        break;
    case LessonSteps::Apart:
    case LessonSteps::None:
        break;
    }
    layout.pad = std::max(std::ceil(float(sizes.font.PixelSize()) * 0.4f), controls::RoomInsideCorners(height));
    layout.width = width + 2 * layout.pad;
    layout.height = height + 2 * layout.pad;
    return layout;
}

std::optional<LessonPlacement> PlaceLesson(const LessonContent& content, const LessonSizes& sizes, bool stepControl,
                                           const FreeSpace& space, const Clearance::Box& area)
{
    std::optional<LessonPlacement> best;
    double bestCost = std::numeric_limits<double>::infinity();
    const bool rows = !content.rows.empty();
    std::vector<LessonSteps> ways{LessonSteps::None};
    if (stepControl && rows)
        ways = {LessonSteps::Head, LessonSteps::Side, LessonSteps::Apart};
    else if (stepControl)
        ways = {LessonSteps::Head};

    // The step control apart takes the nearest room first, and the panel
    // keeps clear of it; worth it where the panel has all the rest.
    const double line = sizes.rowHeight + sizes.rowGap;
    const double apartCost = 2 * line;
    std::optional<Clearance::Box> stepsBox;
    std::optional<FreeSpace> besideSteps;
    if (ways.size() > 1) {
        const LessonLayout alone = ArrangeLesson({}, sizes, 0, LessonSteps::Head);
        stepsBox = space.Nearest(alone.width, alone.height, area);
        if (stepsBox) {
            besideSteps = space;
            besideSteps->AddBox({stepsBox->left - Apart, stepsBox->top - Apart, stepsBox->right + Apart,
                                 stepsBox->bottom + Apart});
        }
    }

    const float narrowest = std::max(content.narrowest, stepControl ? sizes.header : 0.0f);
    for (float lineWidth = std::max(content.natural, narrowest);;) {
        float widest = 0;
        for (const LessonSteps steps : ways) {
            LessonLayout layout = ArrangeLesson(content, sizes, lineWidth, steps);
            widest = layout.widest;
            const double more = double(layout.lines.size()) - double(content.rows.size());
            // A line more weighs as much as a row further down.
            double penalty = more * line;
            if (penalty >= bestCost)
                return best;
            const FreeSpace* among = &space;
            if (steps == LessonSteps::Apart) {
                if (!besideSteps)
                    continue;
                penalty += apartCost + FreeSpace::Distance(*stepsBox, area);
                among = &*besideSteps;
            }
            if (const auto box = among->Nearest(layout.width, layout.height, area, bestCost - penalty)) {
                bestCost = FreeSpace::Distance(*box, area) + penalty;
                const bool apart = steps == LessonSteps::Apart;
                best = LessonPlacement{std::move(layout), *box, apart ? stepsBox : std::nullopt};
                if (bestCost == 0)
                    return best;
            }
        }
        // Narrower than the widest line, so that one more breaks.
        const float next = widest - 1;
        if (!rows || next < narrowest)
            return best;
        lineWidth = next;
    }
}

} // namespace figure

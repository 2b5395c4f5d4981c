#include "lessonpanel.h"

#include "freespace.h"
#include "lessoncontrols.h"
#include "lessonlayout.h"
#include "lessontext.h"

#include "controls/textmetrics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace figure {

namespace {

constexpr double Margin = 6; // from the client area's edges
constexpr controls::Color BoxColor{0x000000};
constexpr controls::Color ButtonFace{0xFFFFFF};

void SetText(controls::Label& label, const controls::Font& font, std::string caption, controls::Color color,
             float left, float top)
{
    label.Font = font;
    label.SetCaption(caption);
    label.ForeColor = color;
    label.BackColor = PanelColor;
    label.Transparent = true;
    label.Left = left;
    label.Top = top;
    label.Visible = true;
}

// An empty box for a number, drawn as four thin lines; the bottom one a
// pixel longer, so that its corner is filled too.
void SetBox(controls::Line* sides, float left, float top, float right, float bottom)
{
    const float corners[4][4] = {
        {left, top, right, top}, {right, top, right, bottom}, {left, bottom, right + 1, bottom}, {left, top, left, bottom}};
    for (int i = 0; i < 4; ++i) {
        sides[i] = controls::Line{.X1 = corners[i][0], .Y1 = corners[i][1], .X2 = corners[i][2], .Y2 = corners[i][3],
                                  .BorderColor = BoxColor, .BorderWidth = 1, .Visible = true};
    }
}

void SetButton(controls::ButtonControl& button, const LessonSizes& sizes, std::string caption, float left, float top,
               float width)
{
    button.Caption = std::move(caption);
    button.Left = left;
    button.Top = top;
    button.Width = width;
    button.Height = sizes.cell;
    button.Font = sizes.font;
    button.BackColor = ButtonFace;
}

// The step control along the head of `box`, back, the step and on at the
// left and the end at the right, where a window's close button stands; or
// stood up along its right side, in the same order from the top.
void WriteSteps(LessonStepControl& steps, int step, const LessonSizes& sizes, bool side, float pad,
                const Clearance::Box& box)
{
    steps.Visible = true;
    const float left = float(box.left) + pad;
    const float top = float(box.top) + pad;
    const float right = float(box.right) - pad;
    std::string text = std::to_string(step) + "／" + std::to_string(LessonLastStep);
    if (side) {
        const float width = std::max(sizes.cell, sizes.stepWidth);
        const float x = right - width;
        const float down = sizes.cell + sizes.cellGap;
        SetButton(steps.Back, sizes, "◀", x, top, width);
        SetButton(steps.Step, sizes, std::move(text), x, top + down, width);
        SetButton(steps.Next, sizes, "▶", x, top + 2 * down, width);
        SetButton(steps.End, sizes, "✕", x, top + 3 * down, width);
    } else {
        SetButton(steps.Back, sizes, "◀", left, top, sizes.cell);
        SetButton(steps.Step, sizes, std::move(text), left + sizes.cell + sizes.cellGap, top, sizes.stepWidth);
        SetButton(steps.Next, sizes, "▶", left + sizes.cell + sizes.stepWidth + 2 * sizes.cellGap, top, sizes.cell);
        SetButton(steps.End, sizes, "✕", right - sizes.cell, top, sizes.cell);
    }
    steps.Step.BackColor = PanelColor;
}

controls::Shape PanelShape(const Clearance::Box& box)
{
    return controls::Shape{.Left = float(box.left), .Top = float(box.top), .Width = float(box.right - box.left),
                           .Height = float(box.bottom - box.top), .BackColor = PanelColor, .BorderColor = PanelColor,
                           .Visible = true};
}

void Write(const LessonContent& content, const LessonSizes& sizes, const LessonPlacement& placed,
           LessonControls& lesson)
{
    HideLessonPanel(lesson);
    const LessonLayout& layout = placed.layout;
    const Clearance::Box& box = placed.box;
    lesson.Panel = PanelShape(box);
    if (placed.steps) {
        lesson.StepsPanel = PanelShape(*placed.steps);
        const float pad = (float(placed.steps->bottom - placed.steps->top) - sizes.cell) / 2;
        WriteSteps(lesson.Steps, lesson.Step, sizes, false, pad, *placed.steps);
    } else if (layout.steps == LessonSteps::Head || layout.steps == LessonSteps::Side) {
        WriteSteps(lesson.Steps, lesson.Step, sizes, layout.steps == LessonSteps::Side, layout.pad, box);
    }

    const float left = float(box.left) + layout.pad;
    std::size_t texts = 0;
    std::size_t boxes = 0;
    float top = float(box.top) + layout.pad + (layout.steps == LessonSteps::Head ? sizes.cell + 2 * sizes.rowGap : 0);
    for (const LessonLine& line : layout.lines) {
        const LessonRow& row = *content.rows[line.row];
        const std::vector<LessonPiece>& pieces = content.pieces[line.row];
        float x = left;
        for (std::size_t i = line.first; i < line.last;) {
            // The pieces of one run on the line make one text.
            const LessonRun& run = row.runs[pieces[i].run];
            std::string caption = pieces[i].text;
            float width = pieces[i].width;
            std::size_t next = i + 1;
            for (; next < line.last && pieces[next].run == pieces[i].run; ++next) {
                caption += pieces[next - 1].after + pieces[next].text;
                width += pieces[next - 1].blanks + pieces[next].width;
            }
            if (run.kind == LessonRun::Kind::Blank && boxes < lesson.Boxes.size() / 4) {
                SetBox(&lesson.Boxes[4 * boxes++], std::round(x + 2), std::round(top + 1), std::round(x + width - 3),
                       std::round(top + sizes.rowHeight - 2));
            } else if (run.kind != LessonRun::Kind::Blank && texts < lesson.Text.size()) {
                const controls::Font& font = run.kind == LessonRun::Kind::Exponent ? sizes.small : sizes.font;
                SetText(lesson.Text[texts++], font, std::move(caption), run.color, x, top);
            }
            x += width + (next < line.last ? pieces[next - 1].blanks : 0);
            i = next;
        }
        top += sizes.rowHeight + sizes.rowGap;
    }
    lesson.Spoken = SpeakLessonRows(content.rows);
}

// The text in the room below the client area: a size that fills the width,
// larger than in the figure, and never so large that the lesson's longest
// step would not fit the room's height.
int BelowPixels(float width, float below, int pixels)
{
    const double byWidth = std::floor(width / 18);
    const double byHeight = std::floor(below / 22);
    return std::max(pixels + 1, int(std::min(byWidth, byHeight)));
}

// What the panel shows where room is short, from all of it down to the
// relation alone: the first rows left out are the degrees and the reason
// for the similarity (the arcs still show which angles are equal), then the
// note on rounding, then the similarity itself, and last the row that works
// CD out, whose number the relation's own row still shows.
std::vector<const LessonRow*> RowsAt(const LessonText& text, int level)
{
    std::vector<const LessonRow*> rows;
    for (std::size_t i = 0; i < text.rows.size(); ++i) {
        const LessonRow& row = text.rows[i];
        const bool context = row.role == LessonRow::Role::Statement;
        if ((level >= 1 && (row.angles || (context && i > 0))) || (level >= 2 && row.role == LessonRow::Role::Note)
            || (level >= 3 && context && text.rows.size() > 1) || (level >= 4 && row.derived))
            continue;
        rows.push_back(&row);
    }
    return rows;
}

} // namespace

int LessonTextPixels(double gridUnit)
{
    if (!(gridUnit > 0))
        return 12;
    return int(std::clamp(std::round(gridUnit * 0.37), 12.0, 400.0));
}

void PlaceLessonPanel(const LessonText& text, float width, float height, double gridUnit, LessonControls& lesson,
                      const FreeSpace& space)
{
    lesson.Spoken.clear();
    if (lesson.Step < 1 || text.rows.empty()) {
        HideLessonPanel(lesson);
        return;
    }
    const int pixels = LessonTextPixels(gridUnit);
    if (lesson.Below >= 120) {
        const LessonSizes sizes = LessonSizesFor(lesson, BelowPixels(width, lesson.Below, pixels));
        const Clearance::Box room{Margin, height + Margin, width - Margin, height + lesson.Below - Margin};
        const LessonContent content = CutLessonRows(RowsAt(text, 0), sizes, lesson);
        if (std::optional<LessonPlacement> placed = PlaceLesson(content, sizes, lesson.StepControl, FreeSpace{}, room)) {
            // Free of everything: in the middle of the room's width.
            const double shift = (placed->box.left - room.left) / 2;
            placed->box.left -= shift;
            placed->box.right -= shift;
            Write(content, sizes, *placed, lesson);
            return;
        }
    }
    const LessonSizes sizes = LessonSizesFor(lesson, pixels);
    const Clearance::Box area{Margin, Margin, width - Margin, height - Margin};
    std::size_t shown = 0;
    for (int level = 0; level <= 4; ++level) {
        const std::vector<const LessonRow*> rows = RowsAt(text, level);
        if (rows.size() == shown)
            continue;
        shown = rows.size();
        const LessonContent content = CutLessonRows(rows, sizes, lesson);
        if (const std::optional<LessonPlacement> placed = PlaceLesson(content, sizes, lesson.StepControl, space, area)) {
            Write(content, sizes, *placed, lesson);
            return;
        }
    }
    if (!lesson.StepControl) {
        HideLessonPanel(lesson);
        return;
    }
    // No room for a word: the step control alone, where it finds room, or
    // else in the top right corner all the same, for the class to see the
    // step and a finger to leave the lesson.
    const LessonContent none;
    std::optional<LessonPlacement> placed = PlaceLesson(none, sizes, true, space, area);
    if (!placed) {
        const LessonLayout layout = ArrangeLesson(none, sizes, 0, LessonSteps::Head);
        const double left = std::max(0.0, width - Margin - layout.width);
        placed = LessonPlacement{layout, {left, Margin, left + layout.width, Margin + layout.height}, std::nullopt};
    }
    Write(none, sizes, *placed, lesson);
}

void HideLessonPanel(LessonControls& lesson)
{
    lesson.Panel.Visible = false;
    lesson.StepsPanel.Visible = false;
    lesson.Steps.Visible = false;
    for (controls::Label& label : lesson.Text)
        label.Visible = false;
    for (controls::Line& line : lesson.Boxes)
        line.Visible = false;
}

} // namespace figure

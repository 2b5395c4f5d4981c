#include "lessonpanel.h"

#include "clearance.h"
#include "lessoncontrols.h"
#include "lessontext.h"

#include "controls/textmetrics.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace figure {

namespace {

// The sizes the panel tries, largest first, in points: 20, 16, 14 and 12
// pixels, the last for small windows only.
constexpr double Sizes[] = {15, 12, 10.5, 9};
constexpr double Margin = 6;   // from the client area's edges
constexpr int RowGap = 2;
constexpr controls::Color PanelColor{0xE8F8FF}; // ivory
constexpr controls::Color BoxColor{0x000000};

controls::TextSize Measure(const LessonControls& lesson, const controls::Font& font, const std::string& text)
{
    return controls::MeasureText(lesson.Metrics, font, text);
}

struct Layout {
    controls::Font font;
    controls::Font small; // the exponent's
    float rowHeight = 0;
    float pad = 0;
    float width = 0;
    float height = 0;
    std::vector<const LessonRow*> rows;
    std::vector<float> runWidths; // of every run of `rows`, in order
};

float RunWidth(const LessonControls& lesson, const Layout& layout, const LessonRun& run)
{
    switch (run.kind) {
    case LessonRun::Kind::Text: return Measure(lesson, layout.font, run.text).Width;
    case LessonRun::Kind::Exponent: return Measure(lesson, layout.small, run.text).Width;
    case LessonRun::Kind::Blank: return std::ceil(float(layout.font.PixelSize()) * 2.5f);
    }
    return 0;
}

Layout Measured(const LessonText& text, const LessonControls& lesson, double points, bool angles)
{
    Layout layout;
    layout.font = lesson.Font;
    layout.font.Size = points;
    layout.small = lesson.Font;
    layout.small.Size = points * 0.6;
    layout.rowHeight = Measure(lesson, layout.font, "A").Height;
    float widest = 0;
    for (const LessonRow& row : text.rows) {
        if (row.angles && !angles)
            continue;
        layout.rows.push_back(&row);
        float width = 0;
        for (const LessonRun& run : row.runs) {
            layout.runWidths.push_back(RunWidth(lesson, layout, run));
            width += layout.runWidths.back();
        }
        widest = std::max(widest, width);
    }
    const auto count = float(layout.rows.size());
    const float rows = count * layout.rowHeight + (count - 1) * RowGap;
    layout.pad = std::max(std::ceil(float(layout.font.PixelSize()) * 0.4f), controls::RoomInsideCorners(rows));
    layout.width = widest + 2 * layout.pad;
    layout.height = rows + 2 * layout.pad;
    return layout;
}

// The top right corner first; then down the right edge, above the middle
// of the client area or as far as the panel needs; then left along the top.
std::optional<Clearance::Box> Position(const Layout& layout, float width, float height, const Clearance& clearance)
{
    const double right = width - Margin;
    const double left = right - layout.width;
    if (left < Margin || Margin + layout.height > height - Margin)
        return std::nullopt;
    const auto at = [&](double x, double y) { return Clearance::Box{x, y, x + layout.width, y + layout.height}; };
    const double lowest = std::max<double>(Margin, height / 2 - layout.height);
    for (double y = Margin; y <= lowest; y += 8) {
        if (clearance.BoxIsClear(at(left, y)))
            return at(left, y);
    }
    for (double x = left - 16; x >= Margin; x -= 16) {
        if (clearance.BoxIsClear(at(x, Margin)))
            return at(x, Margin);
    }
    return std::nullopt;
}

void SetText(controls::Label& label, const controls::Font& font, const LessonRun& run,
             float left, float top)
{
    label.Font = font;
    label.SetCaption(run.text);
    label.ForeColor = run.color;
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

void Write(const Layout& layout, const Clearance::Box& box, LessonControls& lesson)
{
    HideLessonPanel(lesson);
    lesson.Panel = controls::Shape{.Left = float(box.left), .Top = float(box.top), .Width = layout.width,
                                   .Height = layout.height, .BackColor = PanelColor, .BorderColor = PanelColor,
                                   .Visible = true};
    std::size_t texts = 0;
    std::size_t boxes = 0;
    std::size_t runs = 0;
    float top = float(box.top) + layout.pad;
    for (const LessonRow* row : layout.rows) {
        float left = float(box.left) + layout.pad;
        for (const LessonRun& run : row->runs) {
            const float width = layout.runWidths[runs++];
            if (run.kind == LessonRun::Kind::Blank && boxes < lesson.Boxes.size() / 4) {
                SetBox(&lesson.Boxes[4 * boxes++], std::round(left + 2), std::round(top + 1),
                       std::round(left + width - 3), std::round(top + layout.rowHeight - 2));
            } else if (run.kind != LessonRun::Kind::Blank && texts < lesson.Text.size()) {
                const controls::Font& font = run.kind == LessonRun::Kind::Exponent ? layout.small : layout.font;
                SetText(lesson.Text[texts++], font, run, left, top);
            }
            left += width;
        }
        top += layout.rowHeight + RowGap;
    }
}

} // namespace

void PlaceLessonPanel(const LessonText& text, float width, float height, LessonControls& lesson,
                      const Clearance& clearance)
{
    if (!text.rows.empty()) {
        for (const bool angles : {true, false}) {
            for (const double points : Sizes) {
                const Layout layout = Measured(text, lesson, points, angles);
                if (layout.rows.empty())
                    continue;
                if (const std::optional<Clearance::Box> box = Position(layout, width, height, clearance)) {
                    Write(layout, *box, lesson);
                    return;
                }
            }
        }
    }
    HideLessonPanel(lesson);
}

void HideLessonPanel(LessonControls& lesson)
{
    lesson.Panel.Visible = false;
    for (controls::Label& label : lesson.Text)
        label.Visible = false;
    for (controls::Line& line : lesson.Boxes)
        line.Visible = false;
}

} // namespace figure

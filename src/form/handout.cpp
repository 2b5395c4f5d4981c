#include "handout.h"

#include "form1.h"
#include "worksheetpose.h"

#include "figure/lessoncontrols.h"
#include "figure/lessontext.h"

#include "controls/surface.h"
#include "controls/textmetrics.h"

#include <algorithm>
#include <cmath>

namespace app {

namespace {

// The sheet in millimetres. A box takes a handwritten number: 10 mm high,
// 6 mm a character and never under 15 mm wide.
constexpr double Margin = 15;
constexpr double TopMargin = 12;
constexpr double BottomMargin = 12;
constexpr double TitleSize = 6.5;  // em, the title's
constexpr double NameSize = 5;
constexpr double RowSize = 4.8;    // the rows'
constexpr double NoteSize = 3.6;
constexpr double BoxHeight = 10;
constexpr double BoxLeast = 15;
constexpr double BoxPerCharacter = 6;
constexpr double BoxSpace = 1;     // either side of a box, from the text beside it
constexpr double InkWidth = 0.3;   // the boxes' and the name line's
constexpr double FigureTop = 34;
constexpr double FigureWidth = 96; // unless true to scale
constexpr double Gap = 6;          // between the figure, its rows and the relations
constexpr double RelationGap = 3;
constexpr double Indent = 5;       // a relation's rows under its heading
constexpr controls::Color Ink{0x000000};
constexpr controls::Color AnswerInk{0x2020E0}; // red, as a teacher marks

// Each row's pitch on the sheet by what it is: a row of numbers takes a box.
double Pitch(const figure::LessonRow& row)
{
    switch (row.role) {
    case figure::LessonRow::Role::Statement: return 7;
    case figure::LessonRow::Role::Heading: return 8;
    case figure::LessonRow::Role::Numbers: return BoxHeight + 1;
    case figure::LessonRow::Role::Note: return 5;
    }
    return 7;
}

double Height(const std::vector<figure::LessonRow>& rows)
{
    double height = 0;
    for (const figure::LessonRow& row : rows)
        height += Pitch(row);
    return height;
}

std::size_t Characters(const std::string& text)
{
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

class SheetWriter {
public:
    SheetWriter(Handout& sheet, const controls::TextMetrics* metrics, controls::Font face, bool answers)
        : m_sheet(sheet), m_metrics(metrics), m_face(std::move(face)), m_answers(answers)
    {
    }

    [[nodiscard]] float Units(double mm) const { return float(mm / m_sheet.MillimetresPerUnit); }

    // The face at an em of `mm`, in whole pixels of the sheet's units.
    [[nodiscard]] controls::Font Face(double mm, int weight = 400) const
    {
        controls::Font font = m_face;
        font.Size = std::max(1.0, std::round(mm / m_sheet.MillimetresPerUnit)) * 72 / 96;
        font.Weight = weight;
        return font;
    }

    [[nodiscard]] controls::TextSize Measure(const controls::Font& font, const std::string& text) const
    {
        return controls::MeasureText(m_metrics, font, text);
    }

    // A text with its top left corner at (x, y), in units; its width.
    float Text(const std::string& text, const controls::Font& font, float x, float y, controls::Color color = Ink)
    {
        const controls::TextSize size = Measure(font, text);
        controls::Label label(text, x, y, size.Width, size.Height);
        label.Font = font;
        label.ForeColor = color;
        label.Transparent = true;
        m_sheet.Items.emplace_back(std::move(label));
        return size.Width;
    }

    void Rule(float x1, float y1, float x2, float y2)
    {
        const int width = std::max(2, int(std::lround(InkWidth / m_sheet.MillimetresPerUnit)));
        m_sheet.Items.emplace_back(controls::Line{.X1 = x1, .Y1 = y1, .X2 = x2, .Y2 = y2, .BorderColor = Ink,
                                                  .BorderWidth = width, .Visible = true});
    }

    // A box for `answer` at (x, top); on the answer sheet, the answer in it.
    float Box(const std::string& answer, float x, float top, const controls::Font& font)
    {
        const float width = Units(std::max(BoxLeast, BoxPerCharacter * double(Characters(answer))));
        const float height = Units(BoxHeight);
        m_sheet.Boxes.push_back({x, top, width, height, answer});
        Rule(x, top, x + width, top);
        Rule(x + width, top, x + width, top + height);
        Rule(x, top + height, x + width, top + height);
        Rule(x, top, x, top + height);
        if (m_answers) {
            const controls::TextSize size = Measure(font, answer);
            Text(answer, font, x + (width - size.Width) / 2, top + (height - size.Height) / 2, AnswerInk);
        }
        return width;
    }

    // A row of the lesson from (x, top), in millimetres; the top of the next.
    double Row(const figure::LessonRow& row, double x, double top)
    {
        using Role = figure::LessonRow::Role;
        const controls::Font font = Face(row.role == Role::Note ? NoteSize : RowSize,
                                         row.role == Role::Heading ? 700 : 400);
        const controls::Font small = Face((row.role == Role::Note ? NoteSize : RowSize) * 0.6);
        const float rowTop = Units(top);
        const float textTop = row.role == Role::Numbers
            ? rowTop + (Units(BoxHeight) - Measure(font, "A").Height) / 2 : rowTop;
        float left = Units(x);
        for (const figure::LessonRun& run : row.runs) {
            switch (run.kind) {
            case figure::LessonRun::Kind::Text: left += Text(run.text, font, left, textTop, run.color); break;
            case figure::LessonRun::Kind::Exponent: left += Text(run.text, small, left, textTop); break;
            case figure::LessonRun::Kind::Blank:
                left += Units(BoxSpace);
                left += Box(run.text, left, rowTop, font) + Units(BoxSpace);
                break;
            }
        }
        return top + Pitch(row);
    }

private:
    Handout& m_sheet;
    const controls::TextMetrics* m_metrics;
    controls::Font m_face;
    bool m_answers;
};

// 「　年　組　番　名前」 at the right, a blank before each word made wide
// enough to write a number in, and a line under it all to the margin.
void NameLine(SheetWriter& w, double top)
{
    const controls::Font font = w.Face(NameSize);
    const double writeIn = 14;
    const double nameRoom = 60;
    const char* words[] = {"年", "組", "番", "名前"};
    float width = w.Units(3 * writeIn + 4 + nameRoom);
    for (const char* word : words)
        width += w.Measure(font, word).Width;
    float x = w.Units(SheetWidthMm - Margin) - width;
    const float start = x;
    const float y = w.Units(top);
    for (const char* word : words) {
        x += w.Units(std::string_view(word) == "名前" ? 4 : writeIn);
        x += w.Text(word, font, x, y);
    }
    const float under = y + w.Measure(font, "年").Height + w.Units(1);
    w.Rule(start, under, w.Units(SheetWidthMm - Margin), under);
}

} // namespace

Handout MakeHandout(const HandoutPose& pose, const controls::TextMetrics* metrics)
{
    // The figure as a pupil would have it: A where asked, every read-out,
    // the grid, and the lesson's arcs at the equal angles.
    controls::BlankSurface surface;
    Form1 form(surface, metrics);
    PoseFigure(form, WorksheetPose{.AngleA = pose.AngleA, .Lengths = true, .Grid = true, .Lesson = 1});
    const figure::FigureState& state = form.State();
    const Form1Controls& c = form.Controls();

    std::vector<figure::LessonRow> similarity;
    std::vector<std::vector<figure::LessonRow>> relations;
    if (figure::HasTriangle(state)) {
        figure::AppendSimilarityRows(similarity, figure::LessonFill::Every, state);
        for (const figure::Relation relation : figure::LessonRelations)
            figure::AppendRelationRows(relations.emplace_back(), relation, figure::LessonFill::Every, state);
    } else {
        figure::AppendNoTriangleRow(relations.emplace_back());
    }

    // The figure takes what the rows leave of the sheet, up to its own
    // width; true to scale, two grid steps are a centimetre.
    double below = Gap + (relations.empty() ? 0 : RelationGap * double(relations.size() - 1));
    for (const auto& rows : relations)
        below += Height(rows);
    const double room = SheetHeightMm - BottomMargin - FigureTop - below;
    const SheetCrop crop = HandoutCrop(state, c);
    Handout sheet;
    if (pose.TrueScale) {
        sheet.MillimetresPerUnit = TrueScaleMillimetres(state);
    } else {
        const double height = std::min(FigureWidth * crop.Height() / crop.Width(), std::max(room, 30.0));
        sheet.MillimetresPerUnit = height / crop.Height();
    }
    sheet.Width = float(SheetWidthMm / sheet.MillimetresPerUnit);
    sheet.Height = float(SheetHeightMm / sheet.MillimetresPerUnit);

    SheetWriter w(sheet, metrics, c.Label1[0].Font, pose.Answers);
    const int dx = int(std::lround(w.Units(Margin) - crop.Left));
    const int dy = int(std::lround(w.Units(FigureTop) - crop.Top));
    AppendFigure(c, crop, dx, dy, sheet.Items);

    const std::string title = "三角形の直角の頂点から下ろした垂線";
    const controls::Font titleFont = w.Face(TitleSize);
    w.Text(title, titleFont, (sheet.Width - w.Measure(titleFont, title).Width) / 2, w.Units(TopMargin));
    NameLine(w, TopMargin + TitleSize + 4);

    // The similar triangles beside the figure, the relations below both.
    const double figureWidth = crop.Width() * sheet.MillimetresPerUnit;
    const double figureHeight = crop.Height() * sheet.MillimetresPerUnit;
    double top = FigureTop;
    for (const figure::LessonRow& row : similarity)
        top = w.Row(row, Margin + figureWidth + Gap, top);
    top = std::max(top, FigureTop + figureHeight) + Gap;
    for (const auto& rows : relations) {
        for (const figure::LessonRow& row : rows)
            top = w.Row(row, row.role == figure::LessonRow::Role::Heading ? Margin : Margin + Indent, top);
        top += RelationGap;
    }
    return sheet;
}

SheetPixels HandoutPicturePixels()
{
    constexpr double mmPerInch = 25.4;
    return {int(std::lround(SheetWidthMm / mmPerInch * HandoutDotsPerInch)),
            int(std::lround(SheetHeightMm / mmPerInch * HandoutDotsPerInch))};
}

double HandoutPictureRatio(const Handout& handout)
{
    constexpr double mmPerInch = 25.4;
    return handout.MillimetresPerUnit * HandoutDotsPerInch / mmPerInch;
}

controls::Layer HandoutLayer(const Handout& handout)
{
    controls::Layer layer;
    layer.reserve(handout.Items.size());
    for (const SheetItem& item : handout.Items)
        std::visit([&layer](const auto& control) { layer.push_back(&control); }, item);
    return layer;
}

} // namespace app

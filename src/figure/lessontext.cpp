#include "lessontext.h"

#include "figurestate.h"
#include "lessoncontrols.h"

#include <algorithm>

namespace figure {

namespace {

constexpr controls::Color Black{0x000000};

struct RowBuilder {
    LessonRow row;
    LessonFill fill = LessonFill::Numbers;

    explicit RowBuilder(LessonFill how, LessonRow::Role role = LessonRow::Role::Statement) : fill(how)
    {
        row.role = role;
    }

    RowBuilder& Text(std::string text, controls::Color color = Black)
    {
        if (!row.runs.empty() && row.runs.back().kind == LessonRun::Kind::Text && row.runs.back().color == color)
            row.runs.back().text += text;
        else
            row.runs.push_back({LessonRun::Kind::Text, std::move(text), color});
        return *this;
    }
    RowBuilder& Exponent(std::string text)
    {
        row.runs.push_back({LessonRun::Kind::Exponent, std::move(text), Black});
        return *this;
    }
    RowBuilder& Box(std::string number, controls::Color color)
    {
        row.runs.push_back({LessonRun::Kind::Blank, std::move(number), color});
        return *this;
    }
    // A number the class works out: a box on a worksheet with blanks.
    RowBuilder& Answer(std::string number, controls::Color color = Black)
    {
        if (fill == LessonFill::Guess)
            return Text("？", color);
        if (fill == LessonFill::WorkedOut || fill == LessonFill::Every)
            return Box(std::move(number), color);
        return Text(std::move(number), color);
    }
    // A number read off the figure: a box only where every number is one.
    RowBuilder& Given(std::string number)
    {
        if (fill == LessonFill::Guess)
            return Text("？");
        if (fill == LessonFill::Every)
            return Box(std::move(number), Black);
        return Text(std::move(number));
    }
};

// A side of a relation as the lesson names it; the exponent is a raised
// small 2, since the squared sign has no place in the code page the
// window's texts keep to.
struct SideName {
    const char* name;
    bool squared;
};

void Name(RowBuilder& r, const SideName& side)
{
    r.Text(side.name);
    if (side.squared)
        r.Exponent("2");
}

struct RelationNames {
    SideName left;
    SideName right;
    bool usesCD;
};

RelationNames NamesOf(Relation relation)
{
    switch (relation) {
    case Relation::ABSquared: return {{"AB", true}, {"BD × BC", false}, false};
    case Relation::ACSquared: return {{"AC", true}, {"CD × CB", false}, true};
    case Relation::ADSquared: return {{"AD", true}, {"BD × DC", false}, true};
    case Relation::ABTimesAC: return {{"AB × AC", false}, {"BC × AD", false}, false};
    }
    return {};
}

// "AB² ＝ 4 × 4 ＝ 16": the side by its name, its factors and its product.
// At the prediction step one "？" stands for each number.
LessonRow SideRow(LessonFill fill, const SideName& side, const std::int64_t (&factors)[2], std::int64_t product)
{
    RowBuilder r(fill, LessonRow::Role::Numbers);
    Name(r, side);
    r.Text(" ＝ ").Given(TenthsText(factors[0])).Text(" × ").Given(TenthsText(factors[1])).Text(" ＝ ");
    r.Answer(HundredthsText(product));
    return std::move(r.row);
}

// CD is no read-out: the lesson works it out from two that are, as BC
// less BD, just as the numbers do.
LessonRow CDRow(LessonFill fill, const TenthLengths& t)
{
    RowBuilder r(fill, LessonRow::Role::Numbers);
    r.row.derived = true;
    r.Text("CD ＝ BC − BD ＝ ");
    if (fill != LessonFill::Guess)
        r.Given(TenthsText(t.BC)).Text(" − ").Given(TenthsText(t.BD)).Text(" ＝ ");
    r.Answer(TenthsText(t.DC));
    return std::move(r.row);
}

void AngleRows(std::vector<LessonRow>& rows, LessonFill fill, const AcuteAngles& angles)
{
    const auto angle = [&](const char* pair, int degrees, controls::Color color) {
        RowBuilder r(fill == LessonFill::Guess ? LessonFill::Numbers : fill, LessonRow::Role::Numbers);
        r.row.angles = true;
        r.Text(pair, color).Answer(std::to_string(degrees), color).Text("°", color);
        rows.push_back(std::move(r.row));
    };
    angle("∠B ＝ ∠DAC ＝ ", angles.B, OneArcColor);
    angle("∠C ＝ ∠BAD ＝ ", angles.C, TwoArcsColor);
}

} // namespace

bool HasTriangle(const FigureState& state)
{
    return ReadTenthLengths(state).AD > 0;
}

void AppendSimilarityRows(std::vector<LessonRow>& rows, LessonFill fill, const FigureState& state)
{
    RowBuilder similar(fill);
    similar.Text("△ABC ∽ △DBA ∽ △DAC");
    rows.push_back(std::move(similar.row));
    RowBuilder reason(fill);
    reason.Text("（2組の角がそれぞれ等しい）");
    rows.push_back(std::move(reason.row));
    AngleRows(rows, fill, MeasureAcuteAngles(state));
}

void AppendRelationRows(std::vector<LessonRow>& rows, Relation relation, LessonFill fill, const FigureState& state)
{
    const RelationNames names = NamesOf(relation);
    RowBuilder heading(fill, LessonRow::Role::Heading);
    Name(heading, names.left);
    heading.Text(" ＝ ");
    Name(heading, names.right);
    rows.push_back(std::move(heading.row));

    const TenthLengths tenths = ReadTenthLengths(state);
    if (names.usesCD)
        rows.push_back(CDRow(fill, tenths));
    const RelationSides sides = Evaluate(relation, tenths, MeasureExactLengths(state));
    rows.push_back(SideRow(fill, names.left, sides.Left, sides.LeftProduct));
    rows.push_back(SideRow(fill, names.right, sides.Right, sides.RightProduct));
    if (fill == LessonFill::Guess || sides.Equal())
        return;
    // Why they differ: the read-outs are rounded; the lengths themselves
    // give one value on both sides, which the note says as text even on a
    // worksheet, since nothing on the sheet lets the class work it out.
    RowBuilder why(LessonFill::Numbers, LessonRow::Role::Note);
    why.Text("※長さは小数第2位を四捨五入した値なので、積は少しずれます。");
    rows.push_back(std::move(why.row));
    RowBuilder value(LessonFill::Numbers, LessonRow::Role::Note);
    value.Text("四捨五入する前の長さで計算すると、どちらも " + FixedHundredthsText(sides.ExactLeft) + " になります。");
    rows.push_back(std::move(value.row));
}

void AppendNoTriangleRow(std::vector<LessonRow>& rows)
{
    RowBuilder only(LessonFill::Numbers);
    only.Text("点Aが辺BC上にあるので、三角形ができません。");
    rows.push_back(std::move(only.row));
}

// Rows joined as sentences, a sentence broken over rows joined again; an
// exponent is said as a word.
std::string SpeakLessonRows(const std::vector<const LessonRow*>& rows)
{
    std::string spoken;
    for (const LessonRow* row : rows) {
        if (row->continues)
            spoken += ' ';
        else if (!spoken.empty() && !spoken.ends_with("。"))
            spoken += "。";
        for (const LessonRun& run : row->runs)
            spoken += run.kind == LessonRun::Kind::Exponent ? "の" + run.text + "乗" : run.text;
    }
    return spoken;
}

std::string SpokenRows(const std::vector<LessonRow>& rows)
{
    std::vector<const LessonRow*> all;
    for (const LessonRow& row : rows)
        all.push_back(&row);
    return SpeakLessonRows(all);
}

LessonText ComposeLesson(int step, bool blanks, const FigureState& state)
{
    LessonText lesson;
    if (step < 1)
        return lesson;
    const LessonFill worked = blanks ? LessonFill::WorkedOut : LessonFill::Numbers;
    if (!HasTriangle(state)) {
        AppendNoTriangleRow(lesson.rows);
    } else {
        AppendSimilarityRows(lesson.rows, worked, state);
        if (step >= 2) {
            const Relation relation = LessonRelations[(std::min(step, LessonLastStep) - 2) / 2];
            AppendRelationRows(lesson.rows, relation, step % 2 == 0 ? LessonFill::Guess : worked, state);
        }
    }
    lesson.spoken = SpokenRows(lesson.rows);
    return lesson;
}

} // namespace figure

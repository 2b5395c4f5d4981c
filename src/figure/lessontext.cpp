#include "lessontext.h"

#include "figurestate.h"
#include "lessoncontrols.h"
#include "lessonnumbers.h"

namespace figure {

namespace {

constexpr controls::Color Black{0x000000};

struct RowBuilder {
    LessonRow row;
    bool blanks = false;

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
    // A number the class works out: a box on a worksheet with blanks.
    RowBuilder& Answer(std::string number, controls::Color color = Black)
    {
        if (blanks)
            row.runs.push_back({LessonRun::Kind::Blank, std::move(number), color});
        else
            Text(std::move(number), color);
        return *this;
    }
};

// The relation's two sides as the lesson names them; the exponent is a
// raised small 2, since the squared sign has no place in the code page the
// window's texts keep to.
void RelationRow(RowBuilder& r, Relation relation)
{
    switch (relation) {
    case Relation::ABSquared: r.Text("AB").Exponent("2").Text(" ＝ BD × BC"); break;
    case Relation::ACSquared: r.Text("AC").Exponent("2").Text(" ＝ CD × CB"); break;
    case Relation::ADSquared: r.Text("AD").Exponent("2").Text(" ＝ BD × DC"); break;
    case Relation::ABTimesAC: r.Text("AB × AC ＝ BC × AD"); break;
    }
}

std::string Factors(const std::int64_t (&tenths)[2])
{
    return TenthsText(tenths[0]) + " × " + TenthsText(tenths[1]) + " ＝ ";
}

// "4 × 4 ＝ 16　＝　3.2 × 5 ＝ 16": each side in the read-outs' numbers,
// joined by "＝" only where the two products are the same number.
void NumbersRows(std::vector<LessonRow>& rows, bool blanks, const RelationSides& sides)
{
    RowBuilder numbers{{}, blanks};
    numbers.row.role = LessonRow::Role::Numbers;
    numbers.Text(Factors(sides.Left)).Answer(HundredthsText(sides.LeftProduct));
    numbers.Text(sides.Equal() ? "　＝　" : "　≒　");
    numbers.Text(Factors(sides.Right)).Answer(HundredthsText(sides.RightProduct));
    rows.push_back(std::move(numbers.row));
    if (sides.Equal())
        return;
    // Why they differ: the read-outs are rounded; the lengths themselves
    // give one value on both sides.
    RowBuilder first{{}, blanks};
    first.row.role = LessonRow::Role::Note;
    first.Text("※長さは四捨五入した値です。");
    rows.push_back(std::move(first.row));
    RowBuilder second{{}, blanks};
    second.row.role = LessonRow::Role::Note;
    second.Text("四捨五入する前の長さで計算すると");
    rows.push_back(std::move(second.row));
    RowBuilder third{{}, blanks};
    third.row.role = LessonRow::Role::Note;
    third.Answer(FixedHundredthsText(sides.ExactLeft));
    third.Text(sides.ExactLeft == sides.ExactRight ? " ＝ " : " ≒ ").Answer(FixedHundredthsText(sides.ExactRight));
    third.row.continues = true;
    rows.push_back(std::move(third.row));
}

void AngleRows(std::vector<LessonRow>& rows, bool blanks, const AcuteAngles& angles)
{
    RowBuilder b{{}, blanks};
    b.row.angles = true;
    b.Text("∠B ＝ ∠DAC ＝ ", OneArcColor).Answer(std::to_string(angles.B), OneArcColor).Text("°", OneArcColor);
    rows.push_back(std::move(b.row));
    RowBuilder c{{}, blanks};
    c.row.angles = true;
    c.Text("∠C ＝ ∠BAD ＝ ", TwoArcsColor).Answer(std::to_string(angles.C), TwoArcsColor).Text("°", TwoArcsColor);
    rows.push_back(std::move(c.row));
}

} // namespace

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

bool HasTriangle(const FigureState& state)
{
    return ReadTenthLengths(state).AD > 0;
}

LessonText ComposeLesson(int step, bool blanks, const FigureState& state)
{
    LessonText lesson;
    if (step < 1)
        return lesson;
    if (!HasTriangle(state)) {
        RowBuilder only;
        only.Text("点Aが辺BC上にあるので、三角形ができません。");
        lesson.rows.push_back(std::move(only.row));
    } else {
        RowBuilder similar;
        similar.Text("△ABC ∽ △DBA ∽ △DAC");
        lesson.rows.push_back(std::move(similar.row));
        AngleRows(lesson.rows, blanks, MeasureAcuteAngles(state));
        if (step >= 2) {
            constexpr Relation order[] = {Relation::ABSquared, Relation::ACSquared, Relation::ADSquared,
                                          Relation::ABTimesAC};
            const Relation relation = order[(std::min(step, LessonLastStep) - 2) / 2];
            RowBuilder r;
            r.row.role = LessonRow::Role::Heading;
            RelationRow(r, relation);
            lesson.rows.push_back(std::move(r.row));
            if (step % 2 == 0) {
                RowBuilder guess;
                guess.row.role = LessonRow::Role::Numbers;
                guess.Text("？ × ？ ＝ ？　＝　？ × ？ ＝ ？");
                lesson.rows.push_back(std::move(guess.row));
            } else {
                NumbersRows(lesson.rows, blanks,
                            Evaluate(relation, ReadTenthLengths(state), MeasureExactLengths(state)));
            }
        }
    }
    std::vector<const LessonRow*> all;
    for (const LessonRow& row : lesson.rows)
        all.push_back(&row);
    lesson.spoken = SpeakLessonRows(all);
    return lesson;
}

} // namespace figure

#include "figure/lessontext.h"
#include "figure/movevertex.h"

#include "support/openedform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <regex>
#include <string>

namespace {

// The panel's rows as the lesson composes them, one string each: a raised
// exponent written as "²", a box as "□".
std::vector<std::string> Rows(const figure::LessonText& lesson)
{
    std::vector<std::string> rows;
    for (const figure::LessonRow& row : lesson.rows) {
        std::string text;
        for (const figure::LessonRun& run : row.runs) {
            switch (run.kind) {
            case figure::LessonRun::Kind::Text: text += run.text; break;
            case figure::LessonRun::Kind::Exponent: text += run.text == "2" ? "²" : "^" + run.text; break;
            case figure::LessonRun::Kind::Blank: text += "□"; break;
            }
        }
        rows.push_back(text);
    }
    return rows;
}

std::vector<std::string> Rows(OpenedForm& f, bool blanks = false)
{
    return Rows(figure::ComposeLesson(f.form.LessonStep(), blanks, f.form.State()));
}

void Pose(OpenedForm& f, std::int64_t angle, int step)
{
    f.form.State().AngleA = angle;
    figure::MoveVertexA(f.form.State(), f.form.Figure());
    f.form.SetLessonStep(step);
}

// A read-out's caption in tenths: " 3.2cm" is 32.
long Tenths(const controls::Label& readout)
{
    return std::lround(std::stod(readout.Caption()) * 10);
}

bool Has(const std::vector<std::string>& rows, const std::string& row)
{
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

} // namespace

// The 3-4-5 triangle: every relation holds exactly in the read-outs'
// numbers; each side's row names its side, and CD is worked out where a
// relation uses it.
TEST(Lesson, namesEachSideAtTheThreeFourFiveTriangle)
{
    OpenedForm f;
    const std::vector<std::vector<std::string>> expected = {
        {"AB² ＝ BD × BC", "AB² ＝ 4 × 4 ＝ 16", "BD × BC ＝ 3.2 × 5 ＝ 16"},
        {"AC² ＝ CD × CB", "CD ＝ BC − BD ＝ 5 − 3.2 ＝ 1.8", "AC² ＝ 3 × 3 ＝ 9", "CD × CB ＝ 1.8 × 5 ＝ 9"},
        {"AD² ＝ BD × DC", "CD ＝ BC − BD ＝ 5 − 3.2 ＝ 1.8", "AD² ＝ 2.4 × 2.4 ＝ 5.76",
         "BD × DC ＝ 3.2 × 1.8 ＝ 5.76"},
        {"AB × AC ＝ BC × AD", "AB × AC ＝ 4 × 3 ＝ 12", "BC × AD ＝ 5 × 2.4 ＝ 12"}};
    const std::vector<std::vector<std::string>> guesses = {
        {"AB² ＝ BD × BC", "AB² ＝ ？ × ？ ＝ ？", "BD × BC ＝ ？ × ？ ＝ ？"},
        {"AC² ＝ CD × CB", "CD ＝ BC − BD ＝ ？", "AC² ＝ ？ × ？ ＝ ？", "CD × CB ＝ ？ × ？ ＝ ？"},
        {"AD² ＝ BD × DC", "CD ＝ BC − BD ＝ ？", "AD² ＝ ？ × ？ ＝ ？", "BD × DC ＝ ？ × ？ ＝ ？"},
        {"AB × AC ＝ BC × AD", "AB × AC ＝ ？ × ？ ＝ ？", "BC × AD ＝ ？ × ？ ＝ ？"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const int step = 3 + 2 * int(i);
        Pose(f, 74, step);
        std::vector<std::string> rows = Rows(f);
        ASSERT_EQ(rows.size(), 4 + expected[i].size()) << step;
        EXPECT_EQ(rows[0], "△ABC ∽ △DBA ∽ △DAC");
        EXPECT_EQ(rows[1], "（2組の角がそれぞれ等しい）");
        EXPECT_EQ(rows[2], "∠B ＝ ∠DAC ＝ 37°");
        EXPECT_EQ(rows[3], "∠C ＝ ∠BAD ＝ 53°");
        EXPECT_EQ(std::vector(rows.begin() + 4, rows.end()), expected[i]) << step;
        // The prediction step before it: the same rows, a "？" for each number.
        Pose(f, 74, step - 1);
        rows = Rows(f);
        EXPECT_EQ(std::vector(rows.begin() + 4, rows.end()), guesses[i]) << step - 1;
    }
    Pose(f, 74, 3);
    EXPECT_NE(f.form.Controls().Lesson.Spoken.find("ABの2乗 ＝ BD × BC。ABの2乗 ＝ 4 × 4 ＝ 16。BD × BC ＝ 3.2 × 5 ＝ 16"),
              std::string::npos)
        << f.form.Controls().Lesson.Spoken;
    Pose(f, 74, 1);
    EXPECT_EQ(Rows(f).size(), 4u);
}

// At 30 degrees AB reads 4.8 and BD 4.7: the products differ, nothing joins
// the two sides, and two lines say why and give the one value of the
// unrounded lengths.
TEST(Lesson, saysWhyProductsThatDifferDiffer)
{
    OpenedForm f;
    Pose(f, 30, 3);
    const std::vector<std::string> rows = Rows(f);
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[5], "AB² ＝ 4.8 × 4.8 ＝ 23.04");
    EXPECT_EQ(rows[6], "BD × BC ＝ 4.7 × 5 ＝ 23.5");
    EXPECT_EQ(rows[7], "※長さは小数第2位を四捨五入した値なので、積は少しずれます。");
    EXPECT_EQ(rows[8], "四捨五入する前の長さで計算すると、どちらも 23.33 になります。");
    for (const std::string& row : rows)
        EXPECT_EQ(row.find("≒"), std::string::npos) << row;
    EXPECT_NE(f.form.Controls().Lesson.Spoken.find(
                  "BD × BC ＝ 4.7 × 5 ＝ 23.5。※長さは小数第2位を四捨五入した値なので、積は少しずれます。"
                  "四捨五入する前の長さで計算すると、どちらも 23.33 になります。"),
              std::string::npos);
}

// Where A lies on BC as far as the read-outs tell, one sentence and no arcs.
TEST(Lesson, saysInOneSentenceThatThereIsNoTriangle)
{
    for (const std::int64_t angle : {0, 1, 180}) {
        OpenedForm f;
        Pose(f, angle, 5);
        EXPECT_EQ(Rows(f), std::vector<std::string>{"点Aが辺BC上にあるので、三角形ができません。"});
        EXPECT_EQ(f.form.Controls().Lesson.Spoken, "点Aが辺BC上にあるので、三角形ができません。");
        for (const controls::Line& arc : f.form.Controls().Lesson.Arcs)
            EXPECT_FALSE(arc.Visible) << angle;
    }
}

// At every whole AngleA, on either side of BC: ∠B is half the turn of A
// about the middle of BC (the angle at the circumference), the two angles
// add up to 90, each factor is a read-out's number (CD is 5 less BD, and
// its row says so), each product is its factors' product, and where the
// products differ the note's one value is what both sides come to from the
// lengths before rounding, to the hundredth.
TEST(Lesson, keepsItsNumbersTrueToTheReadoutsAtEveryAngle)
{
    OpenedForm f;
    const app::Form1Controls& c = f.form.Controls();
    const figure::FigureState& s = f.form.State();
    const std::regex degrees("∠B ＝ ∠DAC ＝ (\\d+)°。∠C ＝ ∠BAD ＝ (\\d+)°");
    const std::regex numbers("。(ABの2乗|ACの2乗|ADの2乗|AB × AC) ＝ ([\\d.]+) × ([\\d.]+) ＝ ([\\d.]+)。"
                             "(BD × BC|CD × CB|BD × DC|BC × AD) ＝ ([\\d.]+) × ([\\d.]+) ＝ ([\\d.]+)");
    const std::regex cd("CD ＝ BC − BD ＝ 5 − ([\\d.]+) ＝ ([\\d.]+)。");
    const std::regex note("どちらも (\\d+\\.\\d\\d) になります。$");
    const char* names[4][2] = {{"ABの2乗", "BD × BC"}, {"ACの2乗", "CD × CB"}, {"ADの2乗", "BD × DC"},
                               {"AB × AC", "BC × AD"}};
    const auto tenths = [](const std::string& text) { return std::lround(std::stod(text) * 10); };
    const auto hundredths = [](const std::string& text) { return std::lround(std::stod(text) * 100); };
    int notes = 0;
    for (std::int64_t angle = -179; angle <= 359; ++angle) {
        for (const int step : {3, 5, 7, 9}) {
            Pose(f, angle, step);
            std::smatch m;
            // All the rows, whichever of them the panel has room for.
            const std::string spoken = figure::ComposeLesson(step, false, s).spoken;
            if (Tenths(c.Label4[0]) == 0) {
                EXPECT_EQ(spoken, "点Aが辺BC上にあるので、三角形ができません。") << angle;
                continue;
            }
            ASSERT_TRUE(std::regex_search(spoken, m, degrees)) << spoken;
            const double turned = std::fmod(std::abs(double(angle) * 3.14 / std::numbers::pi), 360.0);
            const double inscribed = (turned > 180 ? 360 - turned : turned) / 2;
            EXPECT_NEAR(std::stoi(m[1]), inscribed, 0.5 + 1e-6) << angle;
            EXPECT_EQ(std::stoi(m[1]) + std::stoi(m[2]), 90) << angle;

            const long ab = Tenths(c.Label3[1]), ac = Tenths(c.Label3[2]), ad = Tenths(c.Label4[0]);
            const long bd = Tenths(c.Label4[1]), dc = 50 - bd;
            if (step == 5 || step == 7) {
                ASSERT_TRUE(std::regex_search(spoken, m, cd)) << spoken;
                EXPECT_EQ(tenths(m[1]), bd) << angle;
                EXPECT_EQ(tenths(m[2]), dc) << angle;
            } else {
                EXPECT_EQ(spoken.find("CD ＝"), std::string::npos) << spoken;
            }
            ASSERT_TRUE(std::regex_search(spoken, m, numbers)) << spoken;
            const int relation = (step - 3) / 2;
            EXPECT_EQ(m[1], names[relation][0]);
            EXPECT_EQ(m[5], names[relation][1]);
            const long factors[4][4] = {{ab, ab, bd, 50}, {ac, ac, dc, 50}, {ad, ad, bd, dc}, {ab, ac, 50, ad}};
            const long* expected = factors[relation];
            EXPECT_EQ(tenths(m[2]), expected[0]) << angle << " " << step;
            EXPECT_EQ(tenths(m[3]), expected[1]) << angle << " " << step;
            EXPECT_EQ(tenths(m[6]), expected[2]) << angle << " " << step;
            EXPECT_EQ(tenths(m[7]), expected[3]) << angle << " " << step;
            EXPECT_EQ(hundredths(m[4]), expected[0] * expected[1]);
            EXPECT_EQ(hundredths(m[8]), expected[2] * expected[3]);
            const bool differ = m[4] != m[8];
            EXPECT_EQ(spoken.find("≒"), std::string::npos) << spoken;

            // The lengths before rounding, from the figure's coordinates.
            const double cm = 2.0 * s.GridUnit;
            const double eAB = std::hypot(s.Ax - s.Bx, s.Ay - s.By) / cm;
            const double eAC = std::hypot(s.Ax - s.Cx, s.Ay - s.Cy) / cm;
            const double eAD = std::abs(s.Ay - s.By) / cm, eBD = std::abs(s.Ax - s.Bx) / cm;
            const double eDC = std::abs(s.Cx - s.Ax) / cm, eBC = (s.Cx - s.Bx) / cm;
            const double sides[4][2] = {{eAB * eAB, eBD * eBC}, {eAC * eAC, eDC * eBC}, {eAD * eAD, eBD * eDC},
                                        {eAB * eAC, eBC * eAD}};
            const bool noted = std::regex_search(spoken, m, note);
            EXPECT_EQ(noted, differ) << spoken;
            if (!noted)
                continue;
            ++notes;
            for (const double side : sides[relation])
                EXPECT_NEAR(std::stod(m[1]), side, 0.005 + 1e-6) << angle << " " << step << ": " << spoken;
            const figure::RelationSides worked = figure::Evaluate(
                figure::LessonRelations[relation], figure::ReadTenthLengths(s), figure::MeasureExactLengths(s));
            EXPECT_EQ(worked.ExactLeft, worked.ExactRight) << angle << " " << step;
        }
    }
    EXPECT_GT(notes, 100);
}

// Worksheets with blanks: boxes where the degrees, CD and the products
// were; the note stays as text, since the sheet gives nothing to work it
// out from.
TEST(Lesson, leavesBoxesForTheAnswersOnAWorksheetWithBlanks)
{
    OpenedForm f;
    f.form.Controls().Lesson.Blanks = true;
    Pose(f, 30, 3);
    std::vector<std::string> rows = Rows(f, true);
    EXPECT_EQ(rows[2], "∠B ＝ ∠DAC ＝ □°");
    EXPECT_TRUE(Has(rows, "AB² ＝ 4.8 × 4.8 ＝ □")) << rows[5];
    EXPECT_TRUE(Has(rows, "BD × BC ＝ 4.7 × 5 ＝ □")) << rows[6];
    EXPECT_TRUE(Has(rows, "四捨五入する前の長さで計算すると、どちらも 23.33 になります。"));
    Pose(f, 74, 5);
    rows = Rows(f, true);
    EXPECT_TRUE(Has(rows, "CD ＝ BC − BD ＝ 5 − 3.2 ＝ □"));
    EXPECT_TRUE(Has(rows, "AC² ＝ 3 × 3 ＝ □"));
    // Each box the panel shows is one of those.
    int boxes = 0;
    for (const std::string& row : rows)
        for (std::size_t at = row.find("□"); at != std::string::npos; at = row.find("□", at + 1))
            ++boxes;
    EXPECT_EQ(boxes, 5);
    const figure::LessonControls& lesson = f.form.Controls().Lesson;
    if (lesson.Panel.Visible) {
        int sides = 0;
        for (const controls::Line& side : lesson.Boxes)
            sides += side.Visible;
        // Short of room, the degrees' rows go first, and their two boxes.
        const bool degrees = std::any_of(lesson.Text.begin(), lesson.Text.end(), [](const controls::Label& text) {
            return text.Visible && text.Caption().find("∠B") != std::string::npos;
        });
        EXPECT_EQ(sides, (degrees ? boxes : boxes - 2) * 4);
    }
}

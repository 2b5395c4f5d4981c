#include "figure/lessontext.h"
#include "figure/movevertex.h"

#include "support/openedform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <regex>
#include <string>

namespace {

// The panel's rows as the lesson composes them, one string each; the panel
// breaks a row over lines where it must.
std::vector<std::string> Rows(app::Form1& form)
{
    const figure::LessonControls& lesson = form.Controls().Lesson;
    std::vector<std::string> rows;
    for (const figure::LessonRow& row : figure::ComposeLesson(lesson.Step, lesson.Blanks, form.State()).rows) {
        rows.emplace_back();
        for (const figure::LessonRun& run : row.runs)
            rows.back() += run.kind == figure::LessonRun::Kind::Blank ? "" : run.text;
    }
    return rows;
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

} // namespace

// The 3-4-5 triangle: every relation holds exactly in the read-outs' numbers.
TEST(Lesson, showsEveryRelationEqualAtTheThreeFourFiveTriangle)
{
    OpenedForm f;
    const std::pair<int, const char*> expected[] = {
        {3, "4 × 4 ＝ 16　＝　3.2 × 5 ＝ 16"}, {5, "3 × 3 ＝ 9　＝　1.8 × 5 ＝ 9"},
        {7, "2.4 × 2.4 ＝ 5.76　＝　3.2 × 1.8 ＝ 5.76"}, {9, "4 × 3 ＝ 12　＝　5 × 2.4 ＝ 12"}};
    for (const auto& [step, numbers] : expected) {
        Pose(f, 74, step);
        const std::vector<std::string> rows = Rows(f.form);
        ASSERT_EQ(rows.size(), 5u) << step;
        EXPECT_EQ(rows[0], "△ABC ∽ △DBA ∽ △DAC");
        EXPECT_EQ(rows[1], "∠B ＝ ∠DAC ＝ 37°");
        EXPECT_EQ(rows[2], "∠C ＝ ∠BAD ＝ 53°");
        EXPECT_EQ(rows[4], numbers);
    }
    Pose(f, 74, 2);
    EXPECT_EQ(Rows(f.form)[3], "AB2 ＝ BD × BC");
    EXPECT_EQ(Rows(f.form)[4], "？ × ？ ＝ ？　＝　？ × ？ ＝ ？");
}

// At 30 degrees AB reads 4.8 and BD 4.7: the products differ, joined by
// "≒", and the note gives the one value of the unrounded lengths.
TEST(Lesson, joinsProductsThatDifferWithNearlyEqualAndSaysWhy)
{
    OpenedForm f;
    Pose(f, 30, 3);
    const std::vector<std::string> rows = Rows(f.form);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[4], "4.8 × 4.8 ＝ 23.04　≒　4.7 × 5 ＝ 23.5");
    EXPECT_EQ(rows[5], "※長さは四捨五入した値です。");
    EXPECT_EQ(rows[7], "23.33 ＝ 23.33");
    EXPECT_NE(f.form.Controls().Lesson.Spoken.find(
                  "※長さは四捨五入した値です。四捨五入する前の長さで計算すると 23.33 ＝ 23.33"),
              std::string::npos);
}

// Where A lies on BC as far as the read-outs tell, one sentence and no arcs.
TEST(Lesson, saysInOneSentenceThatThereIsNoTriangle)
{
    for (const std::int64_t angle : {0, 1, 180}) {
        OpenedForm f;
        Pose(f, angle, 5);
        EXPECT_EQ(Rows(f.form), std::vector<std::string>{"点Aが辺BC上にあるので、三角形ができません。"});
        for (const controls::Line& arc : f.form.Controls().Lesson.Arcs)
            EXPECT_FALSE(arc.Visible) << angle;
    }
}

// At every whole AngleA, on either side of BC: ∠B is half the turn of A
// about the middle of BC (the angle at the circumference), the two angles
// add up to 90, each factor is a read-out's number (DC is 5 less BD), each
// product is its factors' product, and "＝" joins only equal products.
TEST(Lesson, keepsItsNumbersTrueToTheReadoutsAtEveryAngle)
{
    OpenedForm f;
    const app::Form1Controls& c = f.form.Controls();
    const std::regex degrees("∠B ＝ ∠DAC ＝ (\\d+)°。∠C ＝ ∠BAD ＝ (\\d+)°");
    const std::regex numbers("([\\d.]+) × ([\\d.]+) ＝ ([\\d.]+)　(＝|≒)　([\\d.]+) × ([\\d.]+) ＝ ([\\d.]+)");
    const auto tenths = [](const std::string& text) { return std::lround(std::stod(text) * 10); };
    const auto hundredths = [](const std::string& text) { return std::lround(std::stod(text) * 100); };
    for (std::int64_t angle = -179; angle <= 359; ++angle) {
        for (const int step : {3, 5, 7, 9}) {
            Pose(f, angle, step);
            std::smatch m;
            // All the lesson says, whatever room the panel has for it.
            const std::string spoken = figure::ComposeLesson(step, false, f.form.State()).spoken;
            if (Tenths(c.Label4[0]) == 0) {
                EXPECT_EQ(spoken, "点Aが辺BC上にあるので、三角形ができません。") << angle;
                continue;
            }
            ASSERT_TRUE(std::regex_search(spoken, m, degrees)) << spoken;
            const double turned = std::fmod(std::abs(double(angle) * 3.14 / std::numbers::pi), 360.0);
            const double inscribed = (turned > 180 ? 360 - turned : turned) / 2;
            EXPECT_NEAR(std::stoi(m[1]), inscribed, 0.5 + 1e-6) << angle;
            EXPECT_EQ(std::stoi(m[1]) + std::stoi(m[2]), 90) << angle;

            ASSERT_TRUE(std::regex_search(spoken, m, numbers)) << spoken;
            const long ab = Tenths(c.Label3[1]), ac = Tenths(c.Label3[2]), ad = Tenths(c.Label4[0]);
            const long bd = Tenths(c.Label4[1]), dc = 50 - bd;
            const long factors[4][4] = {{ab, ab, bd, 50}, {ac, ac, dc, 50}, {ad, ad, bd, dc}, {ab, ac, 50, ad}};
            const long* expected = factors[(step - 3) / 2];
            EXPECT_EQ(tenths(m[1]), expected[0]) << angle << " " << step;
            EXPECT_EQ(tenths(m[2]), expected[1]) << angle << " " << step;
            EXPECT_EQ(tenths(m[5]), expected[2]) << angle << " " << step;
            EXPECT_EQ(tenths(m[6]), expected[3]) << angle << " " << step;
            EXPECT_EQ(hundredths(m[3]), expected[0] * expected[1]);
            EXPECT_EQ(hundredths(m[7]), expected[2] * expected[3]);
            EXPECT_EQ(m[4] == "＝", m[3] == m[7]) << spoken;
        }
    }
}

// Worksheets with blanks: boxes where the degrees and products were.
TEST(Lesson, leavesBoxesForTheAnswersOnAWorksheetWithBlanks)
{
    OpenedForm f;
    f.form.Controls().Lesson.Blanks = true;
    f.form.Controls().Lesson.StepControl = false; // a worksheet
    Pose(f, 30, 3);
    const std::vector<std::string> rows = Rows(f.form);
    EXPECT_EQ(rows[1], "∠B ＝ ∠DAC ＝ °");
    EXPECT_EQ(rows[4], "4.8 × 4.8 ＝ 　≒　4.7 × 5 ＝ ");
    int boxes = 0;
    for (const controls::Line& side : f.form.Controls().Lesson.Boxes)
        boxes += side.Visible;
    EXPECT_EQ(boxes, 6 * 4);
}

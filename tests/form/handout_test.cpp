#include "form/handout.h"

#include "controls/overloaded.h"
#include "controls/paintedarea.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Box {
    double left, top, right, bottom; // millimetres
};

bool Overlap(const Box& a, const Box& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::size_t Characters(const std::string& text)
{
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

} // namespace

// At every whole degree of A on the semicircle, blank, answered and true to
// scale: everything lies on the sheet within its margins; a box for each
// angle, factor, product and CD's three numbers, each large enough for its
// number by hand and clear of the others and of every text; and the answer
// sheet has the same boxes at the same places, each with its number in it.
TEST(Handout, keepsEveryBoxWritableAndOnTheSheetAtEveryAngle)
{
    for (std::int64_t angle = 0; angle <= 180; ++angle) {
        for (const bool trueScale : {false, true}) {
            const app::Handout blank = app::MakeHandout({angle, false, trueScale}, nullptr);
            const app::Handout answers = app::MakeHandout({angle, true, trueScale}, nullptr);
            const double mm = blank.MillimetresPerUnit;
            const std::string where = std::to_string(angle) + (trueScale ? " true to scale" : "");
            ASSERT_GT(mm, 0) << where;
            EXPECT_NEAR(blank.Width * mm, app::SheetWidthMm, 0.01) << where;
            EXPECT_NEAR(blank.Height * mm, app::SheetHeightMm, 0.01) << where;

            std::vector<Box> boxes;
            for (const app::HandoutBox& b : blank.Boxes) {
                const Box box{b.Left * mm, b.Top * mm, (b.Left + b.Width) * mm, (b.Top + b.Height) * mm};
                EXPECT_GE(box.bottom - box.top, 10 - 1e-3) << where;
                EXPECT_GE(box.right - box.left, std::max(15.0, 6.0 * double(Characters(b.Answer))) - 1e-3)
                    << where << " " << b.Answer;
                for (const Box& other : boxes)
                    EXPECT_FALSE(Overlap(box, other)) << where << " " << b.Answer;
                boxes.push_back(box);
            }
            // Two angles, four factors and two products for each relation, and
            // 5, BD and CD for the two that use CD; or none without a triangle.
            EXPECT_TRUE(boxes.size() == 2 + 4 * 6 + 2 * 3 || (boxes.empty() && (angle <= 1 || angle >= 179)))
                << where << ": " << boxes.size();

            std::vector<Box> texts;
            for (const controls::LayerItem& item : app::HandoutLayer(blank)) {
                std::visit(controls::Overloaded{
                               [&](const controls::Line* line) {
                                   for (const double x : {line->X1 * mm, line->X2 * mm})
                                       EXPECT_TRUE(x >= 10 && x <= app::SheetWidthMm - 10) << where;
                                   for (const double y : {line->Y1 * mm, line->Y2 * mm})
                                       EXPECT_TRUE(y >= 10 && y <= app::SheetHeightMm - 10) << where << " " << y;
                               },
                               [&](const controls::Label* label) {
                                   const controls::PixelRect p = controls::PaintedBox(*label);
                                   const Box text{p.left * mm, p.top * mm, p.right * mm, p.bottom * mm};
                                   EXPECT_TRUE(text.left >= 10 && text.right <= app::SheetWidthMm - 10 &&
                                               text.top >= 10 && text.bottom <= app::SheetHeightMm - 10)
                                       << where << " " << label->Caption() << " " << text.bottom;
                                   for (const Box& box : boxes)
                                       EXPECT_FALSE(Overlap(text, box)) << where << " " << label->Caption();
                                   texts.push_back(text);
                               },
                               [](const controls::Shape*) {},
                           },
                           item);
            }

            ASSERT_EQ(answers.Boxes.size(), blank.Boxes.size()) << where;
            std::vector<std::string> written;
            for (const controls::LayerItem& item : app::HandoutLayer(answers)) {
                if (const auto* label = std::get_if<const controls::Label*>(&item))
                    written.push_back((*label)->Caption());
            }
            for (std::size_t i = 0; i < blank.Boxes.size(); ++i) {
                const app::HandoutBox& b = blank.Boxes[i];
                const app::HandoutBox& a = answers.Boxes[i];
                EXPECT_TRUE(b.Left == a.Left && b.Top == a.Top && b.Width == a.Width && b.Answer == a.Answer)
                    << where << " " << b.Answer;
                EXPECT_NE(std::find(written.begin(), written.end(), a.Answer), written.end()) << where;
            }
            EXPECT_EQ(written.size(), texts.size() + answers.Boxes.size()) << where;
        }
    }
}

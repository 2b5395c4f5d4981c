#include "form/form1controls.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <array>
#include <string>
#include <vector>

namespace {

std::vector<std::string> AllCaptions(const app::Form1Controls& c)
{
    std::vector<std::string> captions{c.Form1.Caption, c.Command1.Caption, c.Option1[0].Caption,
                                      c.Option1[1].Caption, c.Check1.Caption, c.Check2.Caption,
                                      c.Check3.Caption, c.Check4.Caption, c.Label2.Caption()};
    for (const auto* labels : {&c.Label1, &c.Label3, &c.Label4}) {
        for (const controls::Label& label : *labels)
            captions.push_back(label.Caption());
    }
    return captions;
}

// Converts with glibc's iconv; an empty result means the text did not convert.
std::string Convert(const std::string& text, const char* to, const char* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return {};
    std::string in = text;
    std::string out(text.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == std::size_t(-1) || inLeft != 0)
        return {};
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace

TEST(Form1Description, captionsAreExactlyAsDesigned)
{
    const app::Form1Controls c = app::DescribeForm1();
    EXPECT_EQ(c.Form1.Caption, "三角形の直角の頂点から下ろした垂線   by q.Varlen");
    EXPECT_EQ(c.Command1.Caption, "初期画面");
    EXPECT_EQ(c.Option1[0].Caption, "Ａ移動・メモクリア");
    EXPECT_EQ(c.Option1[1].Caption, "メモ書き");
    EXPECT_EQ(c.Check1.Caption, "方眼表示");
    EXPECT_EQ(c.Check2.Caption, "３辺の長さ");
    EXPECT_EQ(c.Check3.Caption, "ＡＤの長さ");
    EXPECT_EQ(c.Check4.Caption, "ＢＤの長さ");
    EXPECT_EQ(c.Label2.Caption(), "１０個まで");
    const std::array<const char*, 4> letters{"A", "B", "C", "D"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(c.Label1[i].Caption(), letters[std::size_t(i)]);
    for (const controls::Label& readout : c.Label3)
        EXPECT_EQ(readout.Caption(), "５cm");
    for (const controls::Label& readout : c.Label4)
        EXPECT_EQ(readout.Caption(), "５cm");
}

TEST(Form1Description, everyCaptionSurvivesTheShiftJisCodePage)
{
    for (const std::string& caption : AllCaptions(app::DescribeForm1())) {
        const std::string cp932 = Convert(caption, "CP932", "UTF-8");
        ASSERT_FALSE(cp932.empty()) << caption;
        EXPECT_EQ(Convert(cp932, "UTF-8", "CP932"), caption);
    }
}

TEST(Form1Description, startsWithTheGridBoxTickedAndMoveModeSelected)
{
    const app::Form1Controls c = app::DescribeForm1();
    EXPECT_EQ(c.Check1.Value, 1);
    EXPECT_EQ(c.Check2.Value, 0);
    EXPECT_EQ(c.Check3.Value, 0);
    EXPECT_EQ(c.Check4.Value, 0);
    EXPECT_TRUE(c.Option1[0].Value);
    EXPECT_FALSE(c.Option1[1].Value);
}

TEST(Form1Description, hasTheTwentyEightControlsWithTheirTabOrder)
{
    const app::Form1Controls c = app::DescribeForm1();
    const int lines = c.Line1.Count() + c.Line2.Count() + c.Line3.Count() + c.Line5.Count() + c.Line6.Count();
    const int labels = c.Label1.Count() + 1 + c.Label3.Count() + c.Label4.Count();
    const int buttons = 1 + c.Option1.Count() + 4;
    EXPECT_EQ(lines + labels + buttons + 1, 28);

    // Buttons in focus order, then the labels' own indexes, which interleave.
    const std::vector<int> buttonOrder{c.Command1.TabIndex, c.Option1[0].TabIndex, c.Option1[1].TabIndex,
                                       c.Check1.TabIndex, c.Check2.TabIndex, c.Check3.TabIndex,
                                       c.Check4.TabIndex};
    EXPECT_EQ(buttonOrder, (std::vector<int>{4, 5, 6, 7, 12, 13, 14}));
    EXPECT_EQ(c.Label2.TabIndex, 8);
    EXPECT_EQ(c.Label4[1].TabIndex, 16);
}

// Label2 must never be seen: it lies wholly under Check3 and Check4, which
// never move.
TEST(Form1Description, label2LiesWhollyUnderTheAdAndBdBoxes)
{
    const app::Form1Controls c = app::DescribeForm1();
    const controls::Label& hidden = c.Label2;
    const auto covers = [](const controls::CheckBox& box, float x, float y) {
        return x >= box.Left && x < box.Left + box.Width && y >= box.Top && y < box.Top + box.Height;
    };
    for (float y = hidden.Top; y < hidden.Top + hidden.Height(); ++y) {
        for (float x = hidden.Left; x < hidden.Left + hidden.Width(); ++x)
            EXPECT_TRUE(covers(c.Check3, x, y) || covers(c.Check4, x, y)) << x << "," << y;
    }
}

TEST(Form1Description, middleLayerKeepsTheStoredOrderAboveTheCreatedGrid)
{
    app::Form1Controls c = app::DescribeForm1();
    c.Line5.Load(1);
    c.Line6.Load(1);
    const controls::Layer layer = app::MiddleLayer(c);

    ASSERT_EQ(layer.size(), 21u + 2u);
    EXPECT_EQ(std::get<const controls::Line*>(layer[0]), &c.Line5[1]);
    EXPECT_EQ(std::get<const controls::Line*>(layer[1]), &c.Line6[1]);
    // Front to back the description stores Label4(1) first and Label1(3) last.
    EXPECT_EQ(std::get<const controls::Label*>(layer.back()), &c.Label4[1]);
    EXPECT_EQ(std::get<const controls::Label*>(layer[2]), &c.Label1[3]);
}

TEST(Form1Description, figureLayerIsTheMiddleLayerLessThePanelAndLabel2)
{
    app::Form1Controls c = app::DescribeForm1();
    c.Line5.Load(1);
    const controls::Layer middle = app::MiddleLayer(c);
    const controls::Layer figure = app::FigureLayer(c);

    controls::Layer expected;
    for (const controls::LayerItem& item : middle) {
        if (item != controls::LayerItem(&c.Shape1) && item != controls::LayerItem(&c.Label2))
            expected.push_back(item);
    }
    EXPECT_EQ(figure, expected);
    EXPECT_EQ(figure.size(), middle.size() - 2);
}

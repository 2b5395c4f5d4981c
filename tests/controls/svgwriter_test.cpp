#include "controls/svgtext.h"
#include "controls/svgwriter.h"

#include "support/fixedmetrics.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

float ReadBack(const std::string& text)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    float value = 0;
    in >> value;
    EXPECT_TRUE(in.eof()) << text; // the whole text is the number
    return value;
}

std::string Number(float value)
{
    std::string text;
    controls::AppendNumber(text, value);
    return text;
}

// A picture of the given controls, 900 x 541, measured as fixed boxes of
// 52 x 27 with the baseline 21.6 below the top.
struct Picture {
    std::string Write(std::string_view surface = {}, controls::PixelRect over = {}) const
    {
        return controls::WriteSvg(controls::SvgPicture{.Items = items, .Width = 900, .Height = 541,
                                                       .Background = controls::Color{0xFFFFFF},
                                                       .Metrics = metrics, .Surface = surface,
                                                       .SurfaceOver = over});
    }

    FixedMetrics metrics;
    controls::Layer items;
};

} // namespace

TEST(SvgNumbers, readBackExactlyAndAsShortAsThatAllows)
{
    EXPECT_EQ(Number(179.5f), "179.5");
    EXPECT_EQ(Number(54.1f), "54.1");
    EXPECT_EQ(Number(541), "541");
    EXPECT_EQ(Number(-36.899994f), "-36.899994");
    EXPECT_EQ(Number(-0.0f), "0");

    std::mt19937 random(11);
    std::uniform_real_distribution<float> coordinates(-5000, 5000);
    for (int i = 0; i < 20000; ++i) {
        const float value = coordinates(random);
        const std::string text = Number(value);
        ASSERT_EQ(ReadBack(text), value) << text;
        ASSERT_EQ(text.find_first_of("e,"), std::string::npos) << text;
    }
    for (const float tiny : {1.26827e-6f, -3.0e-9f, 1e-30f})
        EXPECT_EQ(ReadBack(Number(tiny)), tiny);
}

TEST(SvgText, escapesWhatXmlReservesAndDropsWhatItCannotCarry)
{
    std::string out;
    controls::AppendEscaped(out, "a<b & \"c\" > 'd'\x01\x1f\t５cm");
    EXPECT_EQ(out, "a&lt;b &amp; &quot;c&quot; &gt; 'd'\t５cm");
}

TEST(SvgWriter, writesLinesWithTheEndsTheWindowPaints)
{
    Picture p;
    const controls::Line side{.X1 = 179.5f, .Y1 = 432.8f, .X2 = 524.73016f, .Y2 = 172.82759f,
                              .BorderColor = {0x000000}, .BorderWidth = 3, .Visible = true};
    const controls::Line grid{.X1 = 0, .Y1 = 54.1f, .X2 = 900, .Y2 = 54.1f,
                              .BorderColor = {0xC0C0C0}, .BorderWidth = 1, .Visible = true};
    const controls::Line mark{.X1 = 510.3f, .Y1 = 183.7f, .X2 = 521.2f, .Y2 = 198.1f,
                              .BorderColor = {0xFF0000}, .BorderWidth = 1, .Visible = true};
    controls::Line hidden = side;
    hidden.Visible = false;
    hidden.BorderColor = {0x00FF00};
    const controls::Line outside{.X1 = -91, .Y1 = 0, .X2 = -91, .Y2 = 541,
                                 .BorderColor = {0x123456}, .BorderWidth = 1, .Visible = true};
    p.items = {&side, &grid, &mark, &hidden, &outside};
    const std::string svg = p.Write();

    EXPECT_NE(svg.find("<line x1=\"179.5\" y1=\"432.8\" x2=\"524.73016\" y2=\"172.82759\" stroke=\"#000000\""
                       " stroke-width=\"3\" stroke-linecap=\"round\"/>"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<line x1=\"0\" y1=\"54.1\" x2=\"900\" y2=\"54.1\" stroke=\"#c0c0c0\" stroke-width=\"1\""
                       " shape-rendering=\"crispEdges\"/>"),
              std::string::npos);
    // Blue is the high byte of a stored colour; a slanted 1-pixel line is antialiased.
    EXPECT_NE(svg.find("stroke=\"#0000ff\" stroke-width=\"1\"/>"), std::string::npos);
    EXPECT_EQ(svg.find("#00ff00"), std::string::npos);
    EXPECT_EQ(svg.find("#563412"), std::string::npos);
    EXPECT_EQ(svg.find("<image"), std::string::npos);
}

TEST(SvgWriter, writesLabelsAsBoxAndTextOnTheWindowsPixels)
{
    Picture p;
    controls::Label readout(" 2.4cm", 529.7301f, 316.3138f, 52, 27);
    readout.Font = controls::Font{.Name = "ＭＳ Ｐゴシック", .Size = 20.25};
    readout.ForeColor = {0x0000FF};
    controls::Label letter("<A&>", 515.4f, 142.8f, 17, 27);
    letter.Transparent = true;
    letter.Font = readout.Font;
    p.items = {&readout, &letter};
    const std::string svg = p.Write();

    EXPECT_NE(svg.find("<rect x=\"530\" y=\"316\" width=\"52\" height=\"27\" fill=\"#ffffff\"/>\n"
                       "<text x=\"530\" y=\"337.6\" font-family=\"'ＭＳ Ｐゴシック', sans-serif\" font-size=\"27\""
                       " fill=\"#ff0000\" xml:space=\"preserve\"> 2.4cm</text>"),
              std::string::npos)
        << svg;
    // A transparent label has no box.
    EXPECT_EQ(svg.find("<rect x=\"515\""), std::string::npos);
    EXPECT_NE(svg.find(">&lt;A&amp;&gt;</text>"), std::string::npos);
}

TEST(SvgWriter, putsTheSurfaceBeneathEverythingOnlyWhenItHasADrawing)
{
    Picture p;
    const controls::Line side{.X1 = 1, .Y1 = 2, .X2 = 3, .Y2 = 4, .BorderColor = {}, .BorderWidth = 3, .Visible = true};
    p.items = {&side};
    const std::string svg = p.Write("data:image/png;base64,iVBO+w==");
    const std::size_t background = svg.find("<rect x=\"0\" y=\"0\" width=\"900\" height=\"541\" fill=\"#ffffff\"/>");
    const std::size_t surface = svg.find("<image x=\"0\" y=\"0\" width=\"900\" height=\"541\" preserveAspectRatio="
                                         "\"none\" xlink:href=\"data:image/png;base64,iVBO+w==\"/>");
    ASSERT_NE(background, std::string::npos);
    ASSERT_NE(surface, std::string::npos);
    EXPECT_LT(background, surface);
    EXPECT_LT(surface, svg.find("<line"));
    EXPECT_NE(svg.find("viewBox=\"0 0 900 541\""), std::string::npos);

    // Over the lesson's panel it lies over everything too, multiplied, as
    // ink; with no panel, or nothing drawn, the drawing is as it was.
    EXPECT_EQ(p.Write("data:x", {}), p.Write("data:x"));
    EXPECT_EQ(p.Write({}, {600, 10, 890, 200}), p.Write());
    const std::string inked = p.Write("data:x", {600, 10, 890, 200});
    const std::size_t over = inked.find("<clipPath id=\"over\"><rect x=\"600\" y=\"10\" width=\"290\" height=\"190\"/>"
                                        "</clipPath>\n<use xlink:href=\"#memo\" clip-path=\"url(#over)\""
                                        " style=\"mix-blend-mode:multiply\"/>");
    ASSERT_NE(over, std::string::npos) << inked;
    EXPECT_LT(inked.find("<line"), over);
    EXPECT_LT(inked.find("<image id=\"memo\" x=\"0\""), inked.find("<line"));
}

#include "web/captioncache.h"
#include "web/layerraster.h"

#include "controls/damagetiles.h"
#include "controls/paintedarea.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

using web::PixelBuffer;
using controls::PixelRect;

namespace {

constexpr controls::Color Grey{0xC0C0C0};
constexpr controls::Color White{0xFFFFFF};
constexpr controls::Color Black{0x000000};

struct Canvas {
    explicit Canvas(int width = 120, int height = 80, double ratio = 1) : ratio(ratio)
    {
        image.Resize(int(width * ratio), int(height * ratio));
        image.Fill(White);
    }
    void Paint(const controls::LayerItem& item) { web::Paint(image, item, ratio, image.Bounds(), captions); }
    [[nodiscard]] bool Is(int x, int y, controls::Color color) const
    {
        return image.Pixel(x, y) == PixelBuffer::Opaque(color);
    }

    BlockText text;
    web::CaptionCache captions{text};
    PixelBuffer image;
    double ratio;
};

// The rows a level grid line fills, at a ratio, as its pixel rows.
std::vector<int> FilledRows(const Canvas& canvas, int x)
{
    std::vector<int> rows;
    for (int y = 0; y < canvas.image.Height(); ++y)
        if (canvas.Is(x, y, Grey))
            rows.push_back(y);
    return rows;
}

} // namespace

// Line5(1) of the design's client area lies at y = 54.099998...: it fills the
// pixel row 54, one device pixel high at ratio 1 and two at ratio 2.
TEST(LayerRaster, fillsAGridLineAsThePixelRowItFallsIn)
{
    const controls::Line line{.X1 = 0, .Y1 = 54.1f, .X2 = 120, .Y2 = 54.1f, .BorderColor = Grey, .BorderWidth = 1};
    Canvas one(120, 80, 1);
    one.Paint(&line);
    EXPECT_EQ(FilledRows(one, 60), std::vector<int>{54});
    Canvas two(120, 80, 2);
    two.Paint(&line);
    EXPECT_EQ(FilledRows(two, 60), (std::vector<int>{108, 109}));
    // At 1.25 the row is one device pixel, as every grid line there (it was
    // once one or two by where the line fell), the one nearest its top.
    Canvas between(120, 80, 1.25);
    between.Paint(&line);
    const std::vector<int> rows = FilledRows(between, 60);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front(), 68); // device pixels 67.5 to 68.75
}

TEST(LayerRaster, placesLabelBoxesOnWholePixels)
{
    controls::Label letter("A", 15.73f, 12.828f, 17, 27);
    const PixelRect box = controls::PaintedBox(letter);
    EXPECT_EQ(box, (PixelRect{16, 13, 33, 40}));

    letter.BackColor = controls::Color{0x00FFFF}; // yellow, to see the box
    Canvas canvas;
    canvas.Paint(&letter);
    EXPECT_TRUE(canvas.Is(20, 13, letter.BackColor) || canvas.Is(20, 13, Black));
    EXPECT_TRUE(canvas.Is(16, 13, Black));   // the caption's ink starts at the box
    EXPECT_TRUE(canvas.Is(32, 39, letter.BackColor));
    EXPECT_TRUE(canvas.Is(33, 39, White));
    EXPECT_TRUE(canvas.Is(16, 40, White));
    EXPECT_TRUE(canvas.Is(15, 20, White));
}

TEST(LayerRaster, paintsNothingOfAHiddenControl)
{
    controls::Line line{.X1 = 0, .Y1 = 10, .X2 = 100, .Y2 = 60, .BorderColor = Black, .BorderWidth = 3};
    line.Visible = false;
    controls::Label label("B", 5, 5, 17, 27);
    label.Visible = false;
    Canvas canvas;
    canvas.Paint(&line);
    canvas.Paint(&label);
    for (int y = 0; y < canvas.image.Height(); ++y)
        for (int x = 0; x < canvas.image.Width(); ++x)
            ASSERT_TRUE(canvas.Is(x, y, White));
}

TEST(LayerRaster, boundsCoverEveryPixelAControlPaints)
{
    const controls::Line line{.X1 = 10.3f, .Y1 = 70.8f, .X2 = 100.6f, .Y2 = 12.2f, .BorderColor = Black, .BorderWidth = 3};
    Canvas canvas;
    canvas.Paint(&line);
    const PixelRect bounds = controls::PaintedBounds(&line);
    for (int y = 0; y < canvas.image.Height(); ++y) {
        for (int x = 0; x < canvas.image.Width(); ++x) {
            if (canvas.Is(x, y, Black)) {
                ASSERT_TRUE(bounds.Intersects({x, y, x + 1, y + 1})) << x << ',' << y;
            }
        }
    }
}

TEST(LayerRaster, drawsEachCaptionOncePerRatio)
{
    BlockText text;
    web::CaptionCache captions(text);
    const controls::Font font;
    (void)captions.Get(font, " 4cm", {52, 27}, 1);
    (void)captions.Get(font, " 4cm", {52, 27}, 1);
    (void)captions.Get(font, " 3cm", {52, 27}, 1);
    (void)captions.Get(font, " 4cm", {52, 27}, 2);
    EXPECT_EQ(text.draws, 3);
}

// What a slanted side marks to be painted again holds every pixel the side
// paints, and far less than its bounding box.
TEST(DamageTiles, markAlongASlantedLineEveryPixelItPaints)
{
    const controls::Line side{.X1 = 179.5f, .Y1 = 432.8f, .X2 = 524.73f, .Y2 = 172.83f, .BorderColor = Black,
                              .BorderWidth = 3};
    Canvas canvas(900, 541);
    canvas.Paint(&side);
    controls::DamageTiles tiles;
    tiles.Resize(900, 541);
    controls::ForEachPaintedPiece(&side, [&tiles](const PixelRect& piece) { tiles.Add(piece); });
    const std::vector<PixelRect> runs = tiles.Take();

    int marked = 0;
    for (const PixelRect& run : runs)
        marked += run.Width() * run.Height();
    for (int y = 0; y < canvas.image.Height(); ++y) {
        for (int x = 0; x < canvas.image.Width(); ++x) {
            if (!canvas.Is(x, y, Black))
                continue;
            const bool covered = std::any_of(runs.begin(), runs.end(), [&](const PixelRect& run) {
                return run.Intersects({x, y, x + 1, y + 1});
            });
            ASSERT_TRUE(covered) << x << ',' << y;
        }
    }
    const PixelRect box = controls::PaintedBounds(&side);
    EXPECT_LT(marked, box.Width() * box.Height() / 3);
    EXPECT_TRUE(tiles.Take().empty()); // taking clears the marks
}

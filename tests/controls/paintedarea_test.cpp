#include "controls/damagetiles.h"
#include "controls/layerdamage.h"
#include "controls/paintedarea.h"

#include <gtest/gtest.h>

#include <vector>

using controls::DamageTiles;
using controls::Line;
using controls::PixelRect;

namespace {

Line Segment(float x1, float y1, float x2, float y2, int width = 1)
{
    Line line;
    line.X1 = x1;
    line.Y1 = y1;
    line.X2 = x2;
    line.Y2 = y2;
    line.BorderWidth = width;
    return line;
}

std::vector<PixelRect> Pieces(const Line& line)
{
    std::vector<PixelRect> pieces;
    controls::ForEachPaintedPiece(&line, [&pieces](const PixelRect& piece) { pieces.push_back(piece); });
    return pieces;
}

} // namespace

// A side of the triangle is covered by a chain of small pieces, end to end;
// a line far longer than any screen, which a figure can hold for a moment
// in a window of extreme size, is one clamped rectangle, not millions.
TEST(PaintedArea, slantedLinesComeInPiecesAndHugeOnesInOne)
{
    const Line side = Segment(179.5f, 432.8f, 524.73f, 172.83f, 3);
    const std::vector<PixelRect> pieces = Pieces(side);
    ASSERT_EQ(pieces.size(), 22u); // 345 pixels across, 16 at the most each
    EXPECT_TRUE(pieces.front().Intersects({179, 432, 180, 433}));
    EXPECT_TRUE(pieces.back().Intersects({524, 172, 525, 173}));

    const Line huge = Segment(-3e38f, -3e38f, 3e38f, 3e38f, 3);
    const std::vector<PixelRect> one = Pieces(huge);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], (PixelRect{-1000000, -1000000, 1000000, 1000000}));
}

// What a control covered before it moved and what it covers after are both
// marked, once, and nothing is marked while nothing changes.
TEST(LayerDamage, marksTheOldAndNewPlaceOfAControlOnce)
{
    Line line = Segment(20, 20, 20, 40);
    controls::LayerDamage layer({&line});
    DamageTiles tiles;
    tiles.Resize(200, 100);

    layer.Collect(tiles);
    EXPECT_TRUE(tiles.Take().empty());

    line.X1 = line.X2 = 150;
    layer.Collect(tiles);
    const std::vector<PixelRect> runs = tiles.Take();
    ASSERT_EQ(runs.size(), 4u); // two tiles of 16 rows each, at either place
    EXPECT_EQ(runs[0], (PixelRect{16, 16, 32, 32}));
    EXPECT_EQ(runs[1], (PixelRect{144, 16, 160, 32}));

    layer.Collect(tiles);
    EXPECT_TRUE(tiles.Take().empty());

    line.Visible = false;
    layer.Collect(tiles);
    EXPECT_EQ(tiles.Take().size(), 2u); // a hidden line covers nothing
}

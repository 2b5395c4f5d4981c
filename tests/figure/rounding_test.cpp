#include "figure/rounding.h"

#include <gtest/gtest.h>

namespace {

struct Point {
    double x;
    double y;
};

// Rounds both coordinates of a point, side by side. Called through a pointer
// the compiler cannot see through, so that it is compiled as a function of
// its own, with the build's own flags.
Point RoundPoint(Point p)
{
    return {figure::Single(p.x), figure::Single(p.y)};
}

} // namespace

// GCC 12 at -O2 turns such a pair into vector code and then folds the
// narrowing and the widening away, leaving the values unrounded; the build
// turns that vectorizing off. Without it this test fails.
TEST(Single, roundsEachValueOfAPair)
{
    Point (*volatile round)(Point) = RoundPoint;
    const Point rounded = round({524.730138, 172.827593});
    EXPECT_EQ(rounded.x, 524.73016357421875);
    EXPECT_EQ(rounded.y, 172.82759094238281);
}

#include "vertexplacement.h"

#include "figurecontrols.h"
#include "figurestate.h"
#include "lengths.h"
#include "lesson.h"
#include "rounding.h"

#include <cmath>

namespace figure {

namespace {

// The slope of the segment from (x, y) to A has no direction when the two
// points are one: zero over zero.
bool Coincide(double dx, double dy)
{
    return dx == 0 && dy == 0;
}

void PlaceAt(controls::Line& line, double x, double y)
{
    line.X1 = x;
    line.Y1 = y;
    line.X2 = x;
    line.Y2 = y;
}

} // namespace

void PlaceVertexA(FigureState& s, float scaleWidth)
{
    const double radius = double(s.GridUnit) * 5;
    s.Ax = double(scaleWidth) / 2 + radius * std::cos(Radians(s.AngleA));
    s.Ay = s.By - radius * std::sin(Radians(s.AngleA));
}

void PlaceSides(const FigureState& s, FigureControls& c)
{
    controls::Line& bc = c.Line1[0];
    controls::Line& ab = c.Line1[1];
    controls::Line& ac = c.Line1[2];
    controls::Line& ad = c.Line1[3];
    bc.X1 = s.Bx;
    bc.Y1 = s.By;
    bc.X2 = s.Cx;
    bc.Y2 = s.Cy;
    ab.X1 = s.Bx;
    ab.Y1 = s.By;
    ab.X2 = s.Ax;
    ab.Y2 = s.Ay;
    ac.X1 = s.Cx;
    ac.Y1 = s.Cy;
    ac.X2 = s.Ax;
    ac.Y2 = s.Ay;
    ad.X1 = s.Ax;
    ad.Y1 = s.Ay;
    ad.X2 = s.Ax;
    ad.Y2 = s.By;
}

void PlaceMarkAtD(const FigureState& s, FigureControls& c, Side side)
{
    const double size = Single(double(s.GridUnit) / 3);
    const double corner = side == Side::TowardsC ? s.Ax + size : s.Ax - size;
    controls::Line& level = c.Line2[0];   // parallel to BC, from the corner to AD
    controls::Line& upright = c.Line2[1]; // parallel to AD, from the corner to BC
    level.X1 = corner;
    level.Y1 = s.By - size;
    level.X2 = s.Ax;
    level.Y2 = s.By - size;
    upright.X1 = corner;
    upright.Y1 = s.By - size;
    upright.X2 = upright.X1;
    upright.Y2 = s.By;
}

// The directions come from the arctangent of the slopes, which is right only
// because B always lies left of A and C right of it; the signs below pick the
// half turn. The side GridUnit / 3 is not rounded, and each cosine and sine is
// taken afresh right where it is used, as the figure was designed.
void PlaceMarkAtA(const FigureState& s, FigureControls& c)
{
    controls::Line& pq = c.Line3[0];
    controls::Line& rq = c.Line3[1];
    if (Coincide(s.Ax - s.Bx, s.Ay - s.By) || Coincide(s.Ax - s.Cx, s.Ay - s.Cy)) {
        PlaceAt(pq, s.Ax, s.Ay);
        PlaceAt(rq, s.Ax, s.Ay);
        return;
    }

    const double side = double(s.GridUnit) / 3;
    const double alpha = std::atan((s.Ay - s.By) / (s.Ax - s.Bx)); // from B towards A
    pq.X1 = s.Ax - side * std::cos(alpha);
    pq.Y1 = s.Ay - side * std::sin(alpha);

    const double beta = std::atan((s.Ay - s.Cy) / (s.Ax - s.Cx)); // from A towards C
    rq.X1 = s.Ax + side * std::cos(beta);
    rq.Y1 = s.Ay + side * std::sin(beta);

    // Q is P moved along AC, from P as the line now holds it.
    pq.X2 = side * std::cos(beta) + double(pq.X1);
    pq.Y2 = side * std::sin(beta) + double(pq.Y1);
    rq.X2 = pq.X2;
    rq.Y2 = pq.Y2;
}

void PlaceLetters(const FigureState& s, FigureControls& c)
{
    const auto place = [](controls::Label& letter, double left, double top) {
        letter.Left = left;
        letter.Top = top;
    };
    place(c.Label1[0], s.Ax - 9, s.Ay - 30);
    place(c.Label1[1], double(s.Bx) - 9, s.By + 3);
    place(c.Label1[2], double(s.Cx) - 9, s.Cy + 3);
    place(c.Label1[3], s.Ax - 9, s.By + 3);
}

void PlaceMarkLettersAndLengths(const FigureState& s, FigureControls& c)
{
    if (!HasScale(s))
        return;
    PlaceMarkAtA(s, c);
    PlaceLetters(s, c);
    UpdateLengths(s, c);
    UpdateLesson(s, c);
}

} // namespace figure

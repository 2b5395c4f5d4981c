#include "clearance.h"

#include "controls/label.h"
#include "controls/line.h"

#include <algorithm>
#include <cmath>

namespace figure {

namespace {

double PointSegmentDistance(double px, double py, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax;
    const double dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = px - (ax + t * dx);
    const double ey = py - (ay + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

// Which side of the line through a and b the point p lies on.
double Cross(double ax, double ay, double bx, double by, double px, double py)
{
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

bool Crosses(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy)
{
    const double d1 = Cross(cx, cy, dx, dy, ax, ay);
    const double d2 = Cross(cx, cy, dx, dy, bx, by);
    const double d3 = Cross(ax, ay, bx, by, cx, cy);
    const double d4 = Cross(ax, ay, bx, by, dx, dy);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

bool Inside(double x, double y, const Clearance::Box& box)
{
    return x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
}

bool Overlap(const Clearance::Box& a, const Clearance::Box& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Whether a segment's bounding box, widened by `reach`, misses a box: most
// of what is to be kept clear lies nowhere near, and this spares measuring.
bool FarFrom(double x1, double y1, double x2, double y2, double reach, const Clearance::Box& b)
{
    return std::max(x1, x2) + reach < b.left || std::min(x1, x2) - reach > b.right
        || std::max(y1, y2) + reach < b.top || std::min(y1, y2) - reach > b.bottom;
}

} // namespace

double SegmentDistance(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy)
{
    if (Crosses(ax, ay, bx, by, cx, cy, dx, dy))
        return 0;
    return std::min({PointSegmentDistance(ax, ay, cx, cy, dx, dy), PointSegmentDistance(bx, by, cx, cy, dx, dy),
                     PointSegmentDistance(cx, cy, ax, ay, bx, by), PointSegmentDistance(dx, dy, ax, ay, bx, by)});
}

double SegmentBoxDistance(double x1, double y1, double x2, double y2, const Clearance::Box& b)
{
    if (Inside(x1, y1, b) || Inside(x2, y2, b))
        return 0;
    return std::min({SegmentDistance(x1, y1, x2, y2, b.left, b.top, b.right, b.top),
                     SegmentDistance(x1, y1, x2, y2, b.right, b.top, b.right, b.bottom),
                     SegmentDistance(x1, y1, x2, y2, b.left, b.bottom, b.right, b.bottom),
                     SegmentDistance(x1, y1, x2, y2, b.left, b.top, b.left, b.bottom)});
}

void Clearance::Clear()
{
    m_segments.clear();
    m_boxes.clear();
}

void Clearance::AddLine(const controls::Line& line, double gap)
{
    if (line.Visible)
        m_segments.push_back({line.X1, line.Y1, line.X2, line.Y2, line.BorderWidth / 2.0 + gap});
}

void Clearance::AddLabel(const controls::Label& label, double gap)
{
    if (!label.Visible)
        return;
    const controls::PixelRect box = controls::PaintedBox(label);
    m_boxes.push_back({box.left - gap, box.top - gap, box.right + gap, box.bottom + gap});
}

bool Clearance::SegmentIsClear(double x1, double y1, double x2, double y2, double reach) const
{
    for (const Segment& s : m_segments) {
        const Box around{std::min(s.x1, s.x2), std::min(s.y1, s.y2), std::max(s.x1, s.x2), std::max(s.y1, s.y2)};
        if (!FarFrom(x1, y1, x2, y2, reach + s.reach, around)
            && SegmentDistance(x1, y1, x2, y2, s.x1, s.y1, s.x2, s.y2) < reach + s.reach)
            return false;
    }
    for (const Box& b : m_boxes) {
        if (!FarFrom(x1, y1, x2, y2, reach, b) && SegmentBoxDistance(x1, y1, x2, y2, b) < reach)
            return false;
    }
    return true;
}

bool Clearance::BoxIsClear(const Box& box) const
{
    for (const Box& b : m_boxes) {
        if (Overlap(box, b))
            return false;
    }
    for (const Segment& s : m_segments) {
        if (!FarFrom(s.x1, s.y1, s.x2, s.y2, s.reach, box) && SegmentBoxDistance(s.x1, s.y1, s.x2, s.y2, box) < s.reach)
            return false;
    }
    return true;
}

} // namespace figure

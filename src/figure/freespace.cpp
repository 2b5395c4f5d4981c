#include "freespace.h"

#include <algorithm>
#include <cmath>

namespace figure {

void FreeSpace::AddTriangle(const double (&x)[3], const double (&y)[3], double reach)
{
    for (int i = 0; i < 3; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]))
            return;
    }
    m_triangles.push_back({{x[0], x[1], x[2]}, {y[0], y[1], y[2]}, reach});
}

// A box clear of a triangle by `reach` is clear of the rectangle about it
// that reaches that far each way; so in a band of rows widened by the
// reach, the triangle blocks from its leftmost point there to its rightmost,
// widened by the reach too. Being convex, the triangle has those points on
// its sides.
void FreeSpace::Blocked(double top, double bottom, std::vector<Span>& spans) const
{
    spans.clear();
    for (const Clearance::Box& box : m_boxes) {
        if (box.top < bottom && box.bottom > top)
            spans.push_back({box.left, box.right});
    }
    for (const Triangle& t : m_triangles) {
        const double from = top - t.reach;
        const double to = bottom + t.reach;
        double left = std::numeric_limits<double>::infinity();
        double right = -left;
        for (int i = 0; i < 3; ++i) {
            const double x1 = t.x[i], y1 = t.y[i], x2 = t.x[(i + 1) % 3], y2 = t.y[(i + 1) % 3];
            if (std::max(y1, y2) < from || std::min(y1, y2) > to)
                continue;
            if (y1 == y2) {
                left = std::min({left, x1, x2});
                right = std::max({right, x1, x2});
                continue;
            }
            for (const double y : {std::max(std::min(y1, y2), from), std::min(std::max(y1, y2), to)}) {
                const double x = x1 + (x2 - x1) * (y - y1) / (y2 - y1);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (left <= right)
            spans.push_back({left - t.reach, right + t.reach});
    }
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.left < b.left; });
}

double FreeSpace::RightmostFit(double top, double bottom, double width, const Clearance::Box& area,
                               std::vector<Span>& spans, std::vector<Span>& merged) const
{
    Blocked(top, bottom, spans);
    // The gaps between what blocks, from the right: the first wide enough
    // is this band's nearest to the corner.
    merged.clear();
    for (const Span& span : spans) {
        if (!merged.empty() && span.left <= merged.back().right)
            merged.back().right = std::max(merged.back().right, span.right);
        else
            merged.push_back(span);
    }
    double gapRight = area.right;
    for (auto span = merged.rbegin();; ++span) {
        const double gapLeft = span == merged.rend() ? area.left : std::max(span->right, area.left);
        if (gapRight - gapLeft >= width)
            return gapRight;
        if (span == merged.rend())
            return -std::numeric_limits<double>::infinity();
        gapRight = std::min(gapRight, span->left);
    }
}

std::optional<Clearance::Box> FreeSpace::Nearest(double width, double height, const Clearance::Box& area,
                                                 double limit) const
{
    constexpr double step = 2;
    // Rows are taken a few at a time: what blocks the rows all of them
    // cover blocks each of them, so where those leave no room, none of them
    // has any, and only the others are tried one by one.
    constexpr int chunk = 16;
    if (!(width > 0 && height > 0) || !(area.right - area.left >= width) || !(area.bottom - area.top >= height))
        return std::nullopt;
    std::optional<Clearance::Box> best;
    double bestCost = limit;
    std::vector<Span> spans;
    std::vector<Span> merged;
    const int rows = int(std::floor((area.bottom - area.top - height) / step));
    for (int first = 0; first <= rows; first += chunk) {
        const int last = std::min(rows, first + chunk - 1);
        const double shared = area.top + last * step;
        if (last > first && shared < area.top + first * step + height
            && !std::isfinite(RightmostFit(shared, area.top + first * step + height, width, area, spans, merged)))
            continue;
        for (int row = first; row <= last; ++row) {
            const double top = area.top + row * step;
            // Lower rows cost more than the whole way right of the best so far.
            if (top - area.top >= bestCost)
                return best;
            const double right = RightmostFit(top, top + height, width, area, spans, merged);
            if (!std::isfinite(right))
                continue;
            const double cost = (area.right - right) + (top - area.top);
            if (cost < bestCost) {
                bestCost = cost;
                best = Clearance::Box{right - width, top, right, top + height};
            }
        }
    }
    return best;
}

} // namespace figure

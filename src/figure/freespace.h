#pragma once

#include "clearance.h"

#include <limits>
#include <optional>
#include <vector>

namespace figure {

// Where a box can stand among what it must not cover: boxes (letters,
// read-outs, buttons) and the triangle, filled, with the room its pen and a
// gap need about it. The triangle is taken whole, so that a panel never
// stands inside it; the altitude, the marks and the arcs lie within it.
class FreeSpace {
public:
    void AddBox(const Clearance::Box& box) { m_boxes.push_back(box); }
    void AddTriangle(const double (&x)[3], const double (&y)[3], double reach);

    // The box of `width` x `height` inside `area` that touches nothing and
    // lies nearest its top right corner, counting the way left and the way
    // down alike, and nearer than `limit`; empty where there is none. The
    // rows are tried every two pixels down.
    [[nodiscard]] std::optional<Clearance::Box> Nearest(double width, double height, const Clearance::Box& area,
                                                        double limit = std::numeric_limits<double>::infinity()) const;

    // How far a box lies from `area`'s top right corner, as Nearest counts.
    [[nodiscard]] static double Distance(const Clearance::Box& box, const Clearance::Box& area)
    {
        return (area.right - box.right) + (box.top - area.top);
    }

private:
    struct Triangle {
        double x[3], y[3];
        double reach;
    };
    struct Span {
        double left, right;
    };
    // What blocks the band of rows from `top` to `bottom`, left to right.
    void Blocked(double top, double bottom, std::vector<Span>& spans) const;
    // The right edge of the gap in that band nearest the area's right that
    // is `width` wide, or minus infinity; `spans` and `merged` are scratch.
    [[nodiscard]] double RightmostFit(double top, double bottom, double width, const Clearance::Box& area,
                                      std::vector<Span>& spans, std::vector<Span>& merged) const;

    std::vector<Clearance::Box> m_boxes;
    std::vector<Triangle> m_triangles;
};

} // namespace figure

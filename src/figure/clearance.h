#pragma once

#include "controls/pixelrect.h"

#include <vector>

namespace controls {
struct Line;
class Label;
} // namespace controls

namespace figure {

struct FigureControls;

// What the lesson's marks and panel must stay clear of, in pixels of the
// client area: lines as their pen covers them, boxes as painted.
class Clearance {
public:
    struct Segment {
        double x1, y1, x2, y2;
        double reach; // half the pen, and the gap to keep
    };
    struct Box {
        double left, top, right, bottom;
    };

    void Clear();
    // A visible line, `gap` pixels beyond its pen.
    void AddLine(const controls::Line& line, double gap);
    // A visible label's painted box, widened by `gap`.
    void AddLabel(const controls::Label& label, double gap);
    void AddBox(const Box& box) { m_boxes.push_back(box); }
    void AddSegment(const Segment& segment) { m_segments.push_back(segment); }

    // Whether a segment with a pen of half width `reach` touches nothing.
    [[nodiscard]] bool SegmentIsClear(double x1, double y1, double x2, double y2, double reach) const;
    // Whether a rectangle touches nothing.
    [[nodiscard]] bool BoxIsClear(const Box& box) const;

private:
    std::vector<Segment> m_segments;
    std::vector<Box> m_boxes;
};

// The distance between two segments, and between a segment and a box (0
// where they cross or the segment lies inside).
[[nodiscard]] double SegmentDistance(double ax, double ay, double bx, double by, double cx, double cy, double dx,
                                     double dy);
[[nodiscard]] double SegmentBoxDistance(double x1, double y1, double x2, double y2, const Clearance::Box& box);

} // namespace figure

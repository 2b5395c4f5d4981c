#include "lessonarcs.h"

#include "clearance.h"
#include "figurestate.h"
#include "lessoncontrols.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace figure {

namespace {

constexpr int ArcWidth = 2; // the pen of the right-angle marks
constexpr double Gap = 2;   // kept between an arc and anything else

struct Vertex {
    double x = 0;
    double y = 0;
};

// An angle to mark: at `at`, from the direction of `from` to that of `to`;
// the arcs end on those two sides and keep clear of the other two.
struct AngleMark {
    Vertex at, from, to;
    Vertex others[2][2];
    int count = 1;          // arcs
    double longest = 0;     // the outer arc's radius at most
    double shortest = 0;    // the inner arc's radius at least
    int firstStroke = 0;
    controls::Color color;
    double start = 0; // the direction of `from`, and the turn to that of `to`, the short way round
    double sweep = 0;
};

struct Arcs {
    double radii[2] = {};
    bool found = false;
};

void Aim(AngleMark& m)
{
    m.start = std::atan2(m.from.y - m.at.y, m.from.x - m.at.x);
    m.sweep = std::atan2(m.to.y - m.at.y, m.to.x - m.at.x) - m.start;
    if (m.sweep > std::numbers::pi)
        m.sweep -= 2 * std::numbers::pi;
    if (m.sweep < -std::numbers::pi)
        m.sweep += 2 * std::numbers::pi;
}

// The arc's corners, from the first side to the second.
Vertex PointOn(const AngleMark& m, double radius, int i)
{
    const double angle = m.start + m.sweep * i / ArcSegments;
    return {m.at.x + radius * std::cos(angle), m.at.y + radius * std::sin(angle)};
}

bool Clear(const AngleMark& m, double radius, const Clearance& clearance)
{
    // The sides have the triangle's pen, 3 pixels.
    constexpr double sideReach = 1.5 + Gap + ArcWidth / 2.0;
    Vertex previous = PointOn(m, radius, 0);
    for (int i = 1; i <= ArcSegments; ++i) {
        const Vertex next = PointOn(m, radius, i);
        if (!clearance.SegmentIsClear(previous.x, previous.y, next.x, next.y, ArcWidth / 2.0))
            return false;
        for (const auto& side : m.others) {
            if (SegmentDistance(previous.x, previous.y, next.x, next.y, side[0].x, side[0].y, side[1].x, side[1].y)
                < sideReach)
                return false;
        }
        previous = next;
    }
    return true;
}

// The largest arcs that fit: four fifths of a grid step, then a pixel
// smaller at a time, no smaller than the angle allows; failing those,
// larger ones up to a grid step and a fifth, which clear the letter A where
// A lies below BC and its letter inside the angle. Two arcs lie a little
// apart; a single one halfway between where two would lie, so that arcs of
// the two colours meeting at AD meet it apart. Trying every pixel rather
// than a few sizes keeps an arc shown while something near it moves: only
// where no size at all is clear does it go.
Arcs Fit(const AngleMark& m, double unit, const Clearance& clearance)
{
    const double apart = std::max(4.0, unit * 0.12);
    const double preferred = unit * 0.8;
    const int smaller = int(std::floor(preferred - unit * 0.16));
    const int larger = int(std::floor(unit * 0.4));
    Arcs arcs;
    for (int k = 0; k <= smaller + larger; ++k) {
        const double outer = k <= smaller ? preferred - k : preferred + (k - smaller);
        if (m.count == 1) {
            arcs.radii[0] = outer - apart / 2;
            arcs.radii[1] = arcs.radii[0];
        } else {
            arcs.radii[0] = outer;
            arcs.radii[1] = outer - apart;
        }
        if (arcs.radii[0] > m.longest || arcs.radii[1] < m.shortest)
            continue;
        if (Clear(m, arcs.radii[0], clearance) && (m.count == 1 || Clear(m, arcs.radii[1], clearance))) {
            arcs.found = true;
            return arcs;
        }
    }
    return arcs;
}

void Draw(const AngleMark& m, const Arcs& arcs, LessonControls& lesson)
{
    for (int k = 0; k < m.count; ++k) {
        for (int i = 0; i < ArcSegments; ++i) {
            const Vertex from = PointOn(m, arcs.radii[k], i);
            const Vertex to = PointOn(m, arcs.radii[k], i + 1);
            controls::Line& line = lesson.Arcs[std::size_t((m.firstStroke + k) * ArcSegments + i)];
            line = controls::Line{.X1 = float(from.x), .Y1 = float(from.y), .X2 = float(to.x), .Y2 = float(to.y),
                                  .BorderColor = m.color, .BorderWidth = ArcWidth, .Visible = true};
        }
    }
}

} // namespace

void HideLessonArcs(LessonControls& lesson)
{
    for (controls::Line& line : lesson.Arcs)
        line.Visible = false;
}

void PlaceLessonArcs(const FigureState& s, LessonControls& lesson, Clearance& clearance)
{
    HideLessonArcs(lesson);
    const double unit = s.GridUnit;
    const Vertex a{s.Ax, s.Ay};
    const Vertex b{s.Bx, s.By};
    const Vertex c{s.Cx, s.Cy};
    const Vertex d{s.Ax, s.By};
    // The marks at D and A are squares of a third of a grid step: an arc at
    // A lies beyond the far corner of its mark, and no arc reaches the mark
    // at D along the side it shares with it.
    const double mark = unit / 3;
    const double bd = std::abs(s.Ax - b.x);
    const double cd = std::abs(c.x - s.Ax);
    const double ad = std::abs(s.Ay - s.By);
    const double pastMarkAtA = mark * std::sqrt(2.0) + ArcWidth + Gap;
    const double smallest = 6;

    AngleMark marks[] = {
        {b, c, a, {{a, c}, {a, d}}, 1, bd - mark - Gap - ArcWidth, smallest, 0, OneArcColor},    // ∠B
        {a, d, c, {{b, c}, {a, b}}, 1, ad - mark - Gap - ArcWidth, pastMarkAtA, 1, OneArcColor}, // ∠DAC
        {c, b, a, {{a, b}, {a, d}}, 2, cd - mark - Gap - ArcWidth, smallest, 2, TwoArcsColor},   // ∠C
        {a, b, d, {{b, c}, {a, c}}, 2, ad - mark - Gap - ArcWidth, pastMarkAtA, 4, TwoArcsColor}, // ∠BAD
    };
    for (AngleMark& m : marks)
        Aim(m);
    // Each angle by its own room: an angle too tight for its arcs leaves
    // its equal without them, which still says what it marks.
    for (const AngleMark& m : marks) {
        if (const Arcs arcs = Fit(m, unit, clearance); arcs.found)
            Draw(m, arcs, lesson);
    }
    // The arcs at A on either side of AD meet it apart, each pair at its
    // own radii; they need not keep clear of each other, only the panel of them.
    for (const controls::Line& line : lesson.Arcs)
        clearance.AddLine(line, Gap);
}

} // namespace figure

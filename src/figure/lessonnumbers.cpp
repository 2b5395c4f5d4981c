#include "lessonnumbers.h"

#include "figurestate.h"
#include "lengths.h"
#include "readouttext.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace figure {

namespace {

// The read-outs divide by twice the grid step, formed by adding it to itself.
double Centimetres(double pixels, float gridUnit)
{
    return pixels / double(gridUnit + gridUnit);
}

// Half a hundredth upwards, as the read-outs take half a tenth; anything
// that is no length at all reads 0.
std::int64_t Hundredths(double value)
{
    const double k = std::floor(value * 100 + 0.5);
    return k >= 0 && k < 1e15 ? std::int64_t(k) : 0;
}

// The figure's coordinates are single precision in part, so sides that are
// equal in the geometry come out a few parts in a hundred million apart.
// Within that they are one value, shown once on both sides.
bool SameButForNoise(double a, double b)
{
    return std::abs(a - b) <= 1e-6 * std::max({std::abs(a), std::abs(b), 1.0});
}

std::string Decimal(std::int64_t value, int decimals, bool keepZeros)
{
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    std::string text = std::to_string(value / scale);
    std::string fraction;
    std::int64_t rest = value % scale;
    for (int i = 0; i < decimals; ++i) {
        scale /= 10;
        fraction += char('0' + rest / scale);
        rest %= scale;
    }
    if (!keepZeros) {
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
    }
    if (!fraction.empty())
        text += '.' + fraction;
    return text;
}

} // namespace

// The angle at B between BC and BA, and at C between CB and CA, from the
// coordinates alone (A below BC too). The circle's pi, not the 3.14 that
// places A: this is a measurement of the figure as drawn.
AcuteAngles MeasureAcuteAngles(const FigureState& s)
{
    const double degrees = std::atan2(std::abs(s.Ay - s.By), std::abs(s.Ax - double(s.Bx))) * 180 / std::numbers::pi;
    const int b = std::clamp(int(std::floor(degrees + 0.5)), 0, 90);
    return {b, 90 - b};
}

namespace {

// AB, AC, AD and BD as the read-outs measure them, each turned by `convert`
// from pixels.
template <typename Value, typename Convert>
LessonLengths<Value> SidesIn(const FigureState& s, Convert convert)
{
    const SideLengths d = MeasureSides(s);
    return {convert(d.AB), convert(d.AC), convert(d.AD), convert(d.BD), {}, {}};
}

} // namespace

TenthLengths ReadTenthLengths(const FigureState& s)
{
    TenthLengths t = SidesIn<std::int64_t>(s, [&s](double pixels) { return ReadoutTenths(pixels, s.GridUnit); });
    t.BC = 50;
    t.DC = std::max<std::int64_t>(t.BC - t.BD, 0);
    return t;
}

ExactLengths MeasureExactLengths(const FigureState& s)
{
    ExactLengths e = SidesIn<double>(s, [&s](double pixels) { return Centimetres(pixels, s.GridUnit); });
    e.BC = Centimetres(double(s.Cx) - double(s.Bx), s.GridUnit);
    e.DC = Centimetres(std::abs(double(s.Cx) - s.Ax), s.GridUnit);
    return e;
}

RelationSides Evaluate(Relation relation, const TenthLengths& t, const ExactLengths& e)
{
    RelationSides sides;
    double left = 0;
    double right = 0;
    const auto set = [&](std::int64_t l1, std::int64_t l2, std::int64_t r1, std::int64_t r2, double el, double er) {
        sides.Left[0] = l1;
        sides.Left[1] = l2;
        sides.Right[0] = r1;
        sides.Right[1] = r2;
        left = el;
        right = er;
    };
    switch (relation) {
    case Relation::ABSquared: set(t.AB, t.AB, t.BD, t.BC, e.AB * e.AB, e.BD * e.BC); break;
    case Relation::ACSquared: set(t.AC, t.AC, t.DC, t.BC, e.AC * e.AC, e.DC * e.BC); break;
    case Relation::ADSquared: set(t.AD, t.AD, t.BD, t.DC, e.AD * e.AD, e.BD * e.DC); break;
    case Relation::ABTimesAC: set(t.AB, t.AC, t.BC, t.AD, e.AB * e.AC, e.BC * e.AD); break;
    }
    sides.LeftProduct = sides.Left[0] * sides.Left[1];
    sides.RightProduct = sides.Right[0] * sides.Right[1];
    if (SameButForNoise(left, right))
        left = right = (left + right) / 2;
    sides.ExactLeft = Hundredths(left);
    sides.ExactRight = Hundredths(right);
    return sides;
}

std::string TenthsText(std::int64_t tenths)
{
    return Decimal(std::max<std::int64_t>(tenths, 0), 1, false);
}

std::string HundredthsText(std::int64_t hundredths)
{
    return Decimal(std::max<std::int64_t>(hundredths, 0), 2, false);
}

std::string FixedHundredthsText(std::int64_t hundredths)
{
    return Decimal(std::max<std::int64_t>(hundredths, 0), 2, true);
}

} // namespace figure

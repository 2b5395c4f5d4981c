#pragma once

#include <cstdint>
#include <string>

namespace figure {

struct FigureState;

// The numbers of the lesson on similar triangles, worked out the way a pupil
// can check them by hand: from the read-outs' own values, in whole tenths of
// a centimetre, with integer arithmetic only.

// The two acute angles of the triangle in whole degrees, measured from the
// figure's coordinates. ∠C is 90 less ∠B, so the two always add up to 90
// as the right angle at A says they must, whatever the rounding does.
struct AcuteAngles {
    int B = 0;
    int C = 0;
};
[[nodiscard]] AcuteAngles MeasureAcuteAngles(const FigureState& s);

// The lengths of the lesson, each of AB, AC, AD, BD, BC and DC.
template <typename Value>
struct LessonLengths {
    Value AB{};
    Value AC{};
    Value AD{};
    Value BD{};
    Value BC{};
    Value DC{};
};

// In tenths, as the read-outs show them. BC reads 5 cm always, and DC is BC
// less BD, so that BD + DC reads 5 on screen too.
using TenthLengths = LessonLengths<std::int64_t>;
[[nodiscard]] TenthLengths ReadTenthLengths(const FigureState& s);

// The same lengths before rounding, in centimetres.
using ExactLengths = LessonLengths<double>;
[[nodiscard]] ExactLengths MeasureExactLengths(const FigureState& s);

// The four relations the similar triangles give, in the order of the lesson.
enum class Relation { ABSquared, ACSquared, ADSquared, ABTimesAC };
inline constexpr Relation LessonRelations[] = {Relation::ABSquared, Relation::ACSquared, Relation::ADSquared,
                                               Relation::ABTimesAC};

// Both sides of a relation: each a product of two read-out lengths in
// tenths, the products in hundredths, and the same products worked out from
// the unrounded lengths, to the hundredth; those two are one value, as the
// geometry says they must be.
struct RelationSides {
    std::int64_t Left[2] = {};
    std::int64_t Right[2] = {};
    std::int64_t LeftProduct = 0; // hundredths
    std::int64_t RightProduct = 0;
    std::int64_t ExactLeft = 0; // hundredths
    std::int64_t ExactRight = 0;

    // Where the products differ, a note says why.
    [[nodiscard]] bool Equal() const { return LeftProduct == RightProduct; }
};
[[nodiscard]] RelationSides Evaluate(Relation relation, const TenthLengths& rounded, const ExactLengths& exact);

// A number of tenths or hundredths in the read-outs' style, without a unit:
// "4", "3.2", "0.4", "23.04", "23.5". Full stop and ASCII digits.
[[nodiscard]] std::string TenthsText(std::int64_t tenths);
[[nodiscard]] std::string HundredthsText(std::int64_t hundredths);
// Always two decimals, "23.30", for a value said to be taken to the hundredth.
[[nodiscard]] std::string FixedHundredthsText(std::int64_t hundredths);

} // namespace figure

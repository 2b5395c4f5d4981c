#pragma once

namespace figure {

// Rounds to the nearest single-precision number, as storing into a single
// field or a control coordinate does. Written out where a formula rounds an
// intermediate value, so that the places where precision is lost are visible.
[[nodiscard]] constexpr float Single(double value)
{
    return static_cast<float>(value);
}

} // namespace figure

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace figure {

// A read-out caption, held in place so that writing one allocates nothing.
class ReadoutText {
public:
    [[nodiscard]] std::string_view View() const { return {m_chars.data(), m_size}; }

private:
    friend ReadoutText TenthsCaption(std::int64_t tenths);
    std::array<char, 40> m_chars{};
    std::size_t m_size = 0;
};

// A length in pixels as a whole number of tenths of a centimetre: two grid
// steps to the centimetre, taken to the nearest tenth, an exact half upwards.
[[nodiscard]] std::int64_t ReadoutTenths(double length, float gridUnit);

// The same as a value in centimetres, the tenths divided by ten.
[[nodiscard]] double ReadoutValue(double length, float gridUnit);

// The caption of a read-out of `tenths` tenths of a centimetre: " 4cm",
// " 2.4cm", " 0cm", and "0.4cm" for the values between 0 and 1. A full stop
// and ASCII digits, whatever the locale. Written from the whole number alone,
// so that every platform and library gives the same text.
[[nodiscard]] ReadoutText TenthsCaption(std::int64_t tenths);

// The caption of a read-out value in centimetres, a whole number of tenths.
[[nodiscard]] ReadoutText ReadoutCaption(double centimetres);

} // namespace figure

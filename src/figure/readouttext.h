#pragma once

#include <array>
#include <string_view>

namespace figure {

// A read-out caption, held in place so that writing one allocates nothing.
class ReadoutText {
public:
    [[nodiscard]] std::string_view View() const { return {m_chars.data(), m_size}; }

private:
    friend ReadoutText ReadoutCaption(double centimetres);
    std::array<char, 40> m_chars{};
    std::size_t m_size = 0;
};

// A length in pixels as a read-out value in centimetres: two grid steps to the
// centimetre, taken to the nearest tenth, an exact half upwards.
[[nodiscard]] double ReadoutValue(double length, float gridUnit);

// The caption of a read-out value: " 4cm", " 2.4cm", " 0cm", and "0.4cm" for
// the values between 0 and 1. A full stop and ASCII digits, whatever the locale.
[[nodiscard]] ReadoutText ReadoutCaption(double centimetres);

} // namespace figure

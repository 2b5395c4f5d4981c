#include "readouttext.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace figure {

double ReadoutValue(double length, float gridUnit)
{
    // Twice the grid step is formed by adding it to itself, which is exact.
    const double v = length / double(gridUnit + gridUnit);
    const double w = v * 10.0 + 0.5;
    const double k = std::floor(w);
    return k / 10;
}

ReadoutText ReadoutCaption(double centimetres)
{
    // The number as text: a blank for a number that is not negative, then the
    // shortest decimal form of at most 15 significant digits, with no zero
    // before the decimal point.
    char digits[32];
    const char* end = std::to_chars(digits, digits + sizeof digits, centimetres,
                                    std::chars_format::general, 15).ptr;
    std::string_view number(digits, std::size_t(end - digits));
    if (centimetres > 0 && centimetres < 1 && number.starts_with('0'))
        number.remove_prefix(1);

    ReadoutText text;
    const auto append = [&text](std::string_view part) {
        std::memcpy(text.m_chars.data() + text.m_size, part.data(), part.size());
        text.m_size += part.size();
    };
    // Between 0 and 1 the blank gives way to a zero: "0.4cm", not " .4cm".
    append(centimetres > 0 && centimetres < 1 ? "0" : " ");
    append(number);
    append("cm");
    return text;
}

} // namespace figure

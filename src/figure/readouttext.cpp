#include "readouttext.h"

#include <cmath>

namespace figure {

std::int64_t ReadoutTenths(double length, float gridUnit)
{
    // Twice the grid step is formed by adding it to itself, which is exact.
    const double v = length / double(gridUnit + gridUnit);
    const double w = v * 10.0 + 0.5;
    const double k = std::floor(w);
    // A length is never negative and at most ten grid steps; anything else
    // (no grid step at all) reads as nothing rather than as a wrapped number.
    if (!(k >= 0 && k < 1e15))
        return 0;
    return std::int64_t(k);
}

double ReadoutValue(double length, float gridUnit)
{
    return double(ReadoutTenths(length, gridUnit)) / 10;
}

// The number of k / 10 in its shortest decimal form is the integer part, and
// then, only when k is not a multiple of ten, a full stop and the tenths digit.
ReadoutText TenthsCaption(std::int64_t tenths)
{
    ReadoutText text;
    char* out = text.m_chars.data();
    const auto put = [&](char c) { out[text.m_size++] = c; };

    const std::int64_t whole = tenths / 10;
    const int tenth = int(tenths % 10);
    // Between 0 and 1 the blank and the integer part give way to a zero:
    // "0.4cm", not " .4cm".
    if (whole == 0 && tenth != 0) {
        put('0');
    } else {
        put(' ');
        char digits[20];
        int count = 0;
        std::int64_t rest = whole;
        do {
            digits[count++] = char('0' + rest % 10);
            rest /= 10;
        } while (rest > 0);
        while (count > 0)
            put(digits[--count]);
    }
    if (tenth != 0) {
        put('.');
        put(char('0' + tenth));
    }
    put('c');
    put('m');
    return text;
}

ReadoutText ReadoutCaption(double centimetres)
{
    const double tenths = std::round(centimetres * 10);
    return TenthsCaption(tenths >= 0 && tenths < 1e15 ? std::int64_t(tenths) : 0);
}

} // namespace figure

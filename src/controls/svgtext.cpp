#include "svgtext.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include <locale.h> // newlocale and uselocale, which POSIX adds to <clocale>

namespace controls {

namespace {

// Numbers are written and read back in the C locale, whatever the
// program's own: a toolkit takes the user's at start-up, and its decimal
// mark may be a comma. Only this thread's locale changes, and only for as
// long as this lives. (The C library's conversions, not a stream's: a
// stream would bring the whole of the standard library's locales into the
// page's WebAssembly, more than doubling it.)
class ClassicNumbers {
public:
    ClassicNumbers() : m_previous(uselocale(Classic())) {}
    ~ClassicNumbers() { uselocale(m_previous); }
    ClassicNumbers(const ClassicNumbers&) = delete;
    ClassicNumbers& operator=(const ClassicNumbers&) = delete;

private:
    // The C locale is the C library's own object; it is never freed.
    static locale_t Classic()
    {
        static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t(0));
        return classic;
    }

    locale_t m_previous;
};

} // namespace

// Fixed notation with as few decimals as reading back needs; nine
// significant digits, which every float reads back from, where none is
// enough. The figure's coordinates need at most eight decimals.
void AppendNumber(std::string& out, float value)
{
    if (value == 0) {
        out += '0'; // also for -0
        return;
    }
    const ClassicNumbers classic;
    char text[64]; // the longest float in fixed notation with nine decimals has 50 characters
    for (int decimals = 0; decimals <= 9; ++decimals) {
        std::snprintf(text, sizeof text, "%.*f", decimals, double(value));
        if (std::strtof(text, nullptr) == value) {
            out += text;
            return;
        }
    }
    std::snprintf(text, sizeof text, "%.9g", double(value));
    out += text;
}

void AppendColor(std::string& out, Color color)
{
    constexpr const char* digits = "0123456789abcdef";
    out += '#';
    for (int channel : {color.Red(), color.Green(), color.Blue()}) {
        out += digits[channel >> 4];
        out += digits[channel & 0xF];
    }
}

void AppendEscaped(std::string& out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                out += c;
        }
    }
}

} // namespace controls

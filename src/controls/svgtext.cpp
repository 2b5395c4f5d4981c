#include "svgtext.h"

#include <locale>
#include <sstream>

namespace controls {

namespace {

// Reads a number back in the classic locale, as a reader of the file would.
bool ReadsBackAs(const std::string& text, float value)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    float read = 0;
    in >> read;
    return !in.fail() && read == value;
}

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
    std::ostringstream text;
    text.imbue(std::locale::classic());
    for (int decimals = 0; decimals <= 9; ++decimals) {
        text.str({});
        text << std::fixed;
        text.precision(decimals);
        text << value;
        if (ReadsBackAs(text.str(), value)) {
            out += text.str();
            return;
        }
    }
    text.str({});
    text << std::defaultfloat;
    text.precision(9);
    text << value;
    out += text.str();
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

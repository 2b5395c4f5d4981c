#include "readoutsummary.h"

#include <string_view>

namespace app {

namespace {

// A read-out caption without the blank that stands in front of most values.
std::string_view Spoken(const controls::Label& readout)
{
    std::string_view caption = readout.Caption();
    while (caption.starts_with(' '))
        caption.remove_prefix(1);
    return caption;
}

} // namespace

std::string ReadoutSummary(const Form1Controls& c)
{
    std::string summary;
    const auto add = [&summary](std::string_view name, const controls::Label& readout) {
        if (!summary.empty())
            summary += ", ";
        summary += name;
        summary += ' ';
        summary += Spoken(readout);
    };
    add("AB", c.Label3[1]);
    add("AC", c.Label3[2]);
    add("AD", c.Label4[0]);
    add("BD", c.Label4[1]);
    return summary;
}

} // namespace app

#include "readoutsummary.h"

#include <algorithm>
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

// Shown, and at least partly inside the client area: a narrow window leaves
// some read-outs beyond its edges, and a minimized one has no area at all.
bool Readable(const controls::Label& readout, const controls::Form& form)
{
    const float right = readout.Left + readout.Width();
    const float bottom = readout.Top + readout.Height();
    return readout.Visible && std::max(readout.Left, 0.0f) < std::min(right, form.ScaleWidth)
        && std::max(readout.Top, 0.0f) < std::min(bottom, form.ScaleHeight);
}

} // namespace

std::string ReadoutSummary(const Form1Controls& c)
{
    std::string summary;
    const auto add = [&summary, &c](std::string_view name, const controls::Label& readout) {
        if (!Readable(readout, c.Form1))
            return;
        if (!summary.empty())
            summary += "、";
        summary += name;
        summary += ' ';
        summary += Spoken(readout);
    };
    add("BC", c.Label3[0]);
    add("AB", c.Label3[1]);
    add("AC", c.Label3[2]);
    add("AD", c.Label4[0]);
    add("BD", c.Label4[1]);
    return summary.empty() ? std::string("長さは表示されていません") : summary;
}

std::string FigureDescription(const Form1Controls& c)
{
    std::string description = ReadoutSummary(c);
    for (const std::string& more : {c.Lesson.Spoken, SpokenKeyHelp(c.Help)}) {
        if (more.empty())
            continue;
        if (!description.ends_with("。"))
            description += "。";
        description += more;
    }
    return description;
}

} // namespace app

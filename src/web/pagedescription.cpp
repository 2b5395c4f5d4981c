#include "pagedescription.h"

#include "form/figuremenu.h"
#include "form/readoutsummary.h"

#include <cmath>
#include <string_view>

namespace web {

namespace {

void AppendString(std::string& out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += ' ';
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendNumber(std::string& out, double value)
{
    // Positions and sizes of the design are whole pixels.
    out += std::to_string(std::isfinite(value) ? std::lround(value) : 0);
}

void AppendColor(std::string& out, controls::Color color)
{
    static constexpr char digits[] = "0123456789abcdef";
    out += "\"#";
    for (int channel : {color.Red(), color.Green(), color.Blue()}) {
        out += digits[channel >> 4];
        out += digits[channel & 0xF];
    }
    out += '"';
}

void AppendButton(std::string& out, std::string_view kind, std::string_view name,
                  const controls::ButtonControl& b, int value)
{
    if (out.back() != '[')
        out += ',';
    out += "{\"kind\":";
    AppendString(out, kind);
    out += ",\"name\":";
    AppendString(out, name);
    out += ",\"caption\":";
    AppendString(out, b.Caption);
    out += ",\"left\":";
    AppendNumber(out, b.Left);
    out += ",\"top\":";
    AppendNumber(out, b.Top);
    out += ",\"width\":";
    AppendNumber(out, b.Width);
    out += ",\"height\":";
    AppendNumber(out, b.Height);
    out += ",\"back\":";
    AppendColor(out, b.BackColor);
    out += ",\"fore\":";
    if (b.ForeColor)
        AppendColor(out, *b.ForeColor);
    else
        out += "null";
    out += ",\"fontPixels\":";
    AppendNumber(out, b.Font.PixelSize());
    out += ",\"tabIndex\":";
    AppendNumber(out, b.TabIndex);
    out += ",\"value\":";
    AppendNumber(out, value);
    out += '}';
}

} // namespace

std::string LessonStepsDescription(const figure::LessonStepControl& steps)
{
    if (!steps.Visible)
        return "null";
    std::string out = "[";
    AppendButton(out, "command", figure::LessonBackName, steps.Back, 0);
    AppendButton(out, "text", "", steps.Step, 0);
    AppendButton(out, "command", figure::LessonNextName, steps.Next, 0);
    AppendButton(out, "command", figure::LessonEndName, steps.End, 0);
    out += ']';
    return out;
}

std::string PageDescription(const app::Form1Controls& c)
{
    std::string out = "{\"caption\":";
    AppendString(out, c.Form1.Caption);
    out += ",\"figureName\":";
    AppendString(out, app::FigureName);
    // The option buttons' group covers the teal panel behind them, as the
    // desktop's does for assistive technology.
    out += ",\"optionGroup\":{\"name\":";
    AppendString(out, app::OptionGroupName);
    out += ",\"left\":";
    AppendNumber(out, c.Shape1.Left);
    out += ",\"top\":";
    AppendNumber(out, c.Shape1.Top);
    out += ",\"width\":";
    AppendNumber(out, c.Shape1.Width);
    out += ",\"height\":";
    AppendNumber(out, c.Shape1.Height);
    out += '}';
    out += ",\"backColor\":";
    AppendColor(out, c.Form1.BackColor);
    out += ",\"buttons\":[";
    AppendButton(out, "command", "Command1", c.Command1, 0);
    AppendButton(out, "option", "Option1_0", c.Option1[0], c.Option1[0].Value ? 1 : 0);
    AppendButton(out, "option", "Option1_1", c.Option1[1], c.Option1[1].Value ? 1 : 0);
    AppendButton(out, "check", "Check1", c.Check1, c.Check1.Value);
    AppendButton(out, "check", "Check2", c.Check2, c.Check2.Value);
    AppendButton(out, "check", "Check3", c.Check3, c.Check3.Value);
    AppendButton(out, "check", "Check4", c.Check4, c.Check4.Value);
    out += "]}";
    return out;
}

std::string PageMenu(const app::Form1Controls& c)
{
    std::string out = "[";
    for (const app::FigureMenuEntry& entry : app::FigureMenu(c)) {
        const char* name = "";
        switch (entry.Command) {
        case app::FigureCommand::StartLesson: name = "start-lesson"; break;
        case app::FigureCommand::EndLesson: name = "end-lesson"; break;
        case app::FigureCommand::ShowKeys: name = "keys"; break;
        case app::FigureCommand::Save: name = "save"; break;
        case app::FigureCommand::Print: name = "print"; break;
        }
        if (out.back() != '[')
            out += ',';
        out += "{\"command\":";
        AppendNumber(out, double(entry.Command));
        out += ",\"name\":";
        AppendString(out, name);
        out += ",\"caption\":";
        AppendString(out, entry.Caption);
        out += entry.Enabled ? ",\"enabled\":true}" : ",\"enabled\":false}";
    }
    out += ']';
    return out;
}

} // namespace web

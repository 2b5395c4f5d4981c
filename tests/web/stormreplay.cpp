// Replays, natively, what the page told its C++ window during a storm of
// input, and prints every control value where the page took its own dump, so
// that the two can be compared bit for bit. Reads standard input, one call a
// line, as the page made it:
//
//   advance PX CODEPOINT WIDTH   the page's text measurement: a character's
//   height PX HEIGHT             advance, the line's height and the ascent
//   ascent PX ASCENT             at PX pixels, as its canvas gave them
//   start W H RATIO [FIGURE] | resize W H RATIO [FIGURE]   FIGURE: the
//                                height an upright page gives the figure
//   down BUTTON SHIFT X Y BUTTONS | move BUTTONS SHIFT X Y | up BUTTON SHIFT X Y BUTTONS
//   enddrag | key CODE SHIFT | focus SHOWN | check NUMBER TICKED | option INDEX | command
//   lessonstep WHICH             a press on the step control (0 back, 1 on, 2 end)
//   menu COMMAND | closehelp | lesson STEP | pose LESSON HASANGLE ANGLE LENGTHS GRID
//   dump                         prints "dump N", then every control value
//
// Numbers are written as JavaScript writes them, which strtod reads back to
// the same double; the page's floats are those doubles rounded, as here.

#include "web/textengine.h"
#include "web/webwindow.h"

#include "form/controldump.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

namespace {

// The page's canvas measurement, from the table it sent: the sum of each
// character's advance, and the line's height, handed over as floats and
// rounded up to whole pixels as the page's C++ side does.
class PageText final : public web::TextEngine {
public:
    std::map<std::pair<int, char32_t>, double> advances;
    std::map<int, double> heights;
    std::map<int, double> ascents;

    [[nodiscard]] controls::TextSize Measure(const controls::Font& font, std::string_view text) const override
    {
        const int pixels = font.PixelSize();
        double width = 0;
        for (std::size_t i = 0; i < text.size();) {
            const char32_t c = Decode(text, i);
            const auto found = advances.find({pixels, c});
            if (found == advances.end())
                Fail("no advance of U+" + std::to_string(unsigned(c)) + " at " + std::to_string(pixels) + " px");
            width += found->second;
        }
        return {std::ceil(float(width)), std::ceil(float(Lookup(heights, pixels, "height")))};
    }
    [[nodiscard]] float Ascent(const controls::Font& font) const override
    {
        return float(Lookup(ascents, font.PixelSize(), "ascent"));
    }
    [[nodiscard]] std::string Family(const controls::Font&) const override { return "IPAPGothic"; }
    [[nodiscard]] web::CaptionMask Draw(const controls::Font&, std::string_view, controls::TextSize,
                                        double) const override
    {
        return {};
    }

    [[noreturn]] static void Fail(const std::string& why)
    {
        std::cerr << "stormreplay: " << why << '\n';
        std::exit(2);
    }

private:
    static double Lookup(const std::map<int, double>& table, int pixels, const char* what)
    {
        const auto found = table.find(pixels);
        if (found == table.end())
            Fail(std::string("no ") + what + " at " + std::to_string(pixels) + " px");
        return found->second;
    }

    static char32_t Decode(std::string_view text, std::size_t& i)
    {
        const auto byte = [&](std::size_t k) { return char32_t(static_cast<unsigned char>(text[k])); };
        const char32_t first = byte(i);
        const int extra = first < 0x80 ? 0 : first < 0xE0 ? 1 : first < 0xF0 ? 2 : 3;
        char32_t c = extra == 0 ? first : first & (0x3F >> extra);
        for (int k = 1; k <= extra && i + std::size_t(k) < text.size(); ++k)
            c = c << 6 | (byte(i + std::size_t(k)) & 0x3F);
        i += std::size_t(extra) + 1;
        return c;
    }
};

double Number(std::istream& in)
{
    std::string word;
    in >> word;
    return std::strtod(word.c_str(), nullptr);
}

} // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    PageText text;
    std::unique_ptr<web::WebWindow> window;
    int dumps = 0;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string call;
        in >> call;
        const auto integer = [&in] { return int(Number(in)); };
        const auto single = [&in] { return float(Number(in)); };
        if (call == "advance") {
            const int pixels = integer();
            const auto c = char32_t(integer());
            text.advances[{pixels, c}] = Number(in);
        } else if (call == "height") {
            const int pixels = integer();
            text.heights[pixels] = Number(in);
        } else if (call == "ascent") {
            const int pixels = integer();
            text.ascents[pixels] = Number(in);
        } else if (call == "start" || call == "resize") {
            const int width = integer(), height = integer();
            const double ratio = Number(in);
            int figureHeight = 0;
            in >> figureHeight;
            if (!window) {
                window = std::make_unique<web::WebWindow>(text);
                window->Start(width, height, ratio, 0, 0, figureHeight);
            } else {
                window->Resize(width, height, ratio, 0, 0, figureHeight);
            }
        } else if (!window) {
            PageText::Fail("a call before start: " + line);
        } else if (call == "down" || call == "up") {
            const int button = integer(), shift = integer();
            const float x = single(), y = single();
            const int buttons = integer();
            if (call == "down")
                window->PointerDown(button, shift, x, y, buttons);
            else
                window->PointerUp(button, shift, x, y, buttons);
        } else if (call == "move") {
            const int buttons = integer(), shift = integer();
            const float x = single(), y = single();
            window->PointerMove(buttons, shift, x, y);
        } else if (call == "enddrag") {
            window->EndDrag();
        } else if (call == "key") {
            const int code = integer();
            (void)window->FigureKeyDown(code, integer());
        } else if (call == "focus") {
            window->ShowFocusFrame(integer() != 0, controls::Color{});
        } else if (call == "check") {
            const int number = integer();
            window->CheckClick(number, integer() != 0);
        } else if (call == "option") {
            window->OptionClick(integer());
        } else if (call == "command") {
            window->CommandClick();
        } else if (call == "menu") {
            (void)window->MenuClick(app::FigureCommand(integer()));
        } else if (call == "closehelp") {
            window->CloseKeyHelp();
        } else if (call == "lesson") {
            window->SetLessonStep(integer());
        } else if (call == "lessonstep") {
            window->LessonStepClick(integer());
        } else if (call == "pose") {
            app::WorksheetPose pose;
            pose.Lesson = integer();
            const bool hasAngle = integer() != 0;
            const double angle = Number(in);
            if (hasAngle)
                pose.AngleA = std::int64_t(angle);
            pose.Lengths = integer() != 0;
            pose.Grid = integer() != 0;
            window->ApplyPose(pose);
        } else if (call == "dump") {
            std::printf("dump %d\n%s", dumps++, app::ControlDump(window->Form()).c_str());
        } else if (!call.empty()) {
            PageText::Fail("an unknown call: " + line);
        }
    }
    return 0;
}

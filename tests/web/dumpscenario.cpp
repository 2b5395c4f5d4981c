// Runs Form1 through a fixed scenario and prints every control value after
// each step, so that two builds of the same code can be compared bit for bit:
// this program is built natively and for Node with the web build's compiler.
//
//   dumpscenario            the scenario, one digest per step and a full
//                           dump at the start and end of every leg
//   dumpscenario --full     the scenario with a full dump after every step
//   dumpscenario drag W H N the dump after a press in the middle of a W x H
//                           client area and |N| moves of one pixel, to the
//                           left for N < 0, else to the right

#include "form/controldump.h"
#include "form/form1.h"

#include "support/fixedmetrics.h"
#include "support/recordingsurface.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::uint64_t Digest(const std::string& text)
{
    std::uint64_t hash = 0xcbf29ce484222325u; // FNV-1a
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 0x100000001b3u;
    }
    return hash;
}

struct Scenario {
    RecordingSurface surface;
    FixedMetrics metrics;
    app::Form1 form{surface, &metrics};
    bool full = false;
    int step = 0;

    void Resize(float width, float height)
    {
        form.Controls().Form1.ScaleWidth = width;
        form.Controls().Form1.ScaleHeight = height;
        form.Form_Resize();
    }

    void Print(bool whole)
    {
        const std::string dump = app::ControlDump(form);
        std::printf("step %d %016llx\n", step++, static_cast<unsigned long long>(Digest(dump)));
        if (whole || full)
            std::fputs(dump.c_str(), stdout);
    }

    void Drag(float x, float y, int moves)
    {
        form.Form_MouseDown(1, 0, x, y);
        const float direction = moves < 0 ? -1.0f : 1.0f;
        for (int i = 0; i < std::abs(moves); ++i) {
            x += direction;
            form.Form_MouseMove(1, 0, x, y);
            Print(false);
        }
        form.Form_MouseUp(1, 0, x, y);
        Print(true);
    }
};

void RunScenario(bool full)
{
    Scenario s;
    s.full = full;
    s.form.Form_Load();
    s.Print(true);
    s.form.Controls().Check2.Value = 1;
    s.form.Check2_Click();
    s.form.Controls().Check3.Value = 1;
    s.form.Check3_Click();
    s.form.Controls().Check4.Value = 1;
    s.form.Check4_Click();
    // Client areas: the design's, one of whole grid steps, a wide and a
    // narrow one, and the window's width at a fractional scale factor.
    const float sizes[][2] = {{900, 541}, {900, 540}, {1920, 1080}, {320, 480}, {1117, 643}};
    for (const auto& size : sizes) {
        s.Resize(size[0], size[1]);
        s.Print(true);
        // A few hundred steps each way: A runs past C, back over the top and
        // past B, below BC on either side.
        s.Drag(size[0] / 2, size[1] / 2, 120);
        s.Drag(size[0] / 2, size[1] / 2, -400);
        s.Drag(size[0] / 2, size[1] / 2, 300);
        s.form.Check1_Click();
        s.form.Command1_Click();
        s.Print(true);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "drag") == 0) {
        Scenario s;
        const float width = float(std::atof(argv[2]));
        const float height = float(std::atof(argv[3]));
        s.form.Controls().Form1.ScaleWidth = width;
        s.form.Controls().Form1.ScaleHeight = height;
        s.form.Form_Load();
        s.form.Form_Resize();
        s.form.Form_MouseDown(1, 0, std::floor(width / 2), std::floor(height / 2));
        const int moves = std::atoi(argv[4]);
        float x = std::floor(width / 2);
        for (int i = 0; i < std::abs(moves); ++i) {
            x += moves < 0 ? -1.0f : 1.0f;
            s.form.Form_MouseMove(1, 0, x, std::floor(height / 2));
        }
        std::fputs(app::ControlDump(s.form).c_str(), stdout);
        return 0;
    }
    RunScenario(argc == 2 && std::strcmp(argv[1], "--full") == 0);
    return 0;
}

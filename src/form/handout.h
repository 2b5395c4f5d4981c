#pragma once

#include "handoutfigure.h"

#include "controls/layer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace controls {
class TextMetrics;
} // namespace controls

namespace app {

// A handout for the class: an upright A4 sheet with the lesson's title, a
// line for the pupil's name, the figure with every read-out, and the
// lesson's rows (the similar triangles, then all four relations) with a box
// for every number; or its answer sheet, the same with every box filled in.
struct HandoutPose {
    std::optional<std::int64_t> AngleA; // where A stands; empty for the initial 74
    bool Answers = false;
    bool TrueScale = false; // BC 5 cm long on paper, for a ruler
};

inline constexpr double SheetWidthMm = 210;
inline constexpr double SheetHeightMm = 297;

// A picture of the sheet has this many pixels to the inch: small type and
// thin lines stay sharp on paper, and the picture stays a few megabytes.
inline constexpr int HandoutDotsPerInch = 200;
struct SheetPixels {
    int Width = 0;
    int Height = 0;
};
[[nodiscard]] SheetPixels HandoutPicturePixels();

// A box for a number, in the sheet's units, and the number it stands for.
struct HandoutBox {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    std::string Answer;
};

struct Handout {
    // The sheet's units are the figure's pixels as printed, so that the
    // figure keeps its window's layout to the pixel at any scale.
    double MillimetresPerUnit = 0;
    float Width = 0; // the whole sheet, in those units
    float Height = 0;
    std::vector<SheetItem> Items; // back to front
    std::vector<HandoutBox> Boxes;
};

// The sheet for `pose`, its texts measured with `metrics` (an estimate
// without). Every front end writes and paints this same sheet.
[[nodiscard]] Handout MakeHandout(const HandoutPose& pose, const controls::TextMetrics* metrics);

// Its controls in painting order, for the writers that take a layer.
[[nodiscard]] controls::Layer HandoutLayer(const Handout& handout);

// The picture's pixels to the sheet's unit.
[[nodiscard]] double HandoutPictureRatio(const Handout& handout);

} // namespace app

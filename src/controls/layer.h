#pragma once

#include "label.h"
#include "line.h"
#include "shape.h"

#include <variant>
#include <vector>

namespace controls {

// One control of the middle layer (lines, labels and shapes), between the
// drawing surface below and the buttons above.
using LayerItem = std::variant<const Line*, const Label*, const Shape*>;

// The middle layer in painting order: back to front.
using Layer = std::vector<LayerItem>;

[[nodiscard]] inline bool IsVisible(const LayerItem& item)
{
    return std::visit([](const auto* control) { return control->Visible; }, item);
}

} // namespace controls

#pragma once

#include "damagetiles.h"
#include "pixelrect.h"

#include "layer.h"

#include <variant>
#include <vector>

namespace controls {

// Remembers how each control of a layer looked when last collected, so that
// only what changed since is painted again: the old place of a moved control
// and its new one.
class LayerDamage {
public:
    LayerDamage() = default;
    explicit LayerDamage(controls::Layer layer);

    [[nodiscard]] const controls::Layer& Layer() const { return m_layer; }

    // Marks in `tiles` what every control whose look has changed since the
    // last call covered before and covers now.
    void Collect(DamageTiles& tiles);

    using Look = std::variant<Line, Label, Shape>;

private:
    controls::Layer m_layer;
    std::vector<Look> m_looks;
};

} // namespace controls

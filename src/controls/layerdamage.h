#pragma once

#include "damagetiles.h"
#include "pixelrect.h"

#include "layer.h"

#include <cstddef>
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
    // last call covered before and covers now, in pieces no longer than a
    // tile.
    void Collect(DamageTiles& tiles);

    // Calls `changed(index, before, now)` for every control whose look has
    // changed since the last call, back to front, with the control as it
    // looked then and as it is; then remembers how it looks now.
    template <typename Changed>
    void ForEachChange(Changed&& changed)
    {
        for (std::size_t i = 0; i < m_layer.size(); ++i) {
            if (Unchanged(i))
                continue;
            changed(i, Before(i), m_layer[i]);
            Remember(i);
        }
    }

    using Look = std::variant<Line, Label, Shape>;

private:
    [[nodiscard]] bool Unchanged(std::size_t i) const;
    [[nodiscard]] LayerItem Before(std::size_t i) const;
    void Remember(std::size_t i);

    controls::Layer m_layer;
    std::vector<Look> m_looks;
};

// Marks in `tiles` what a control covers on screen, in pieces no longer than
// a tile: nothing while it is hidden.
void MarkCovered(DamageTiles& tiles, const LayerItem& item);

} // namespace controls

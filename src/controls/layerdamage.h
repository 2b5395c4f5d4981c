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
    // last call covered before and covers now.
    void Collect(DamageTiles& tiles);

    // The same for a front end that keeps the back of the layer ready to
    // copy, as an image beneath the rest: a control before Front() is
    // marked in `back`, one from it on in `front`. Controls that change in
    // one collection after another (the triangle's, while A moves) belong
    // in front; the boundary goes just beneath the higher of the lowest ones
    // that changed in the last two collections that changed any, so that a
    // change made once (the grid shown, the window resized) leaves the grid
    // at the back. Controls that cross the boundary are marked in `back`,
    // where the image now holds them or no longer does. Until something has
    // changed twice, the whole layer is at the back.
    void Collect(DamageTiles& back, DamageTiles& front);
    [[nodiscard]] std::size_t Front() const { return m_front; }

    using Look = std::variant<Line, Label, Shape>;

private:
    // Calls `changed(index, before, now)` for every control whose look has
    // changed since the last call, back to front, with the control as it
    // looked then and as it is; then remembers how it looks now.
    template <typename Changed>
    void ForEachChange(Changed&& changed);

    controls::Layer m_layer;
    std::vector<Look> m_looks;
    std::size_t m_front = 0;
    std::size_t m_lastLowest = 0; // changed in the collection before
};

} // namespace controls

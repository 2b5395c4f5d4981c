#pragma once

#include "pixelrect.h"

#include "controls/layer.h"

#include <variant>
#include <vector>

namespace web {

// Remembers how each control of a layer looked when last collected, so that
// only what changed since is painted again: the old place of a moved control
// and its new one, as one rectangle of the client area.
class LayerDamage {
public:
    LayerDamage() = default;
    explicit LayerDamage(controls::Layer layer);

    [[nodiscard]] const controls::Layer& Layer() const { return m_layer; }

    // The area, in pixels of the client area, that every control whose look
    // has changed since the last call covered before and covers now.
    [[nodiscard]] PixelRect Collect();

    using Look = std::variant<controls::Line, controls::Label, controls::Shape>;

private:
    controls::Layer m_layer;
    std::vector<Look> m_looks;
};

} // namespace web

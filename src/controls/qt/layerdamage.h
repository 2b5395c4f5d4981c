#pragma once

#include "controls/layer.h"

#include "damagetiles.h"

#include <QRegion>

#include <variant>
#include <vector>

namespace qtcontrols {

// Remembers how each control of a layer looked when last collected, so that
// only what changed since is repainted: the old place of a moved control and
// its new one.
class LayerDamage {
public:
    LayerDamage() = default;
    explicit LayerDamage(controls::Layer layer);

    [[nodiscard]] const controls::Layer& layer() const { return m_layer; }

    // The client area, where a change can show.
    void Resize(QSize area) { m_tiles.Resize(area); }

    // The area to repaint for every control whose look has changed since the
    // last call, before and after; empty when nothing changed.
    [[nodiscard]] QRegion Collect();

    // A copy of a control as it was last collected.
    using Look = std::variant<controls::Line, controls::Label, controls::Shape>;

private:

    controls::Layer m_layer;
    std::vector<Look> m_looks;
    DamageTiles m_tiles;
};

} // namespace qtcontrols

#include "layerdamage.h"

#include "paintedarea.h"

namespace controls {

namespace {

LayerDamage::Look LookOf(const LayerItem& item)
{
    return std::visit([](const auto* control) -> LayerDamage::Look { return *control; }, item);
}

bool Matches(const LayerDamage::Look& look, const LayerItem& item)
{
    return std::visit(
        [&look](const auto* control) {
            using Control = std::remove_cvref_t<decltype(*control)>;
            return std::get<Control>(look) == *control;
        },
        item);
}

// Assigns in place, so that a caption copies into the storage it already has.
void Remember(LayerDamage::Look& look, const LayerItem& item)
{
    std::visit(
        [&look](const auto* control) {
            using Control = std::remove_cvref_t<decltype(*control)>;
            std::get<Control>(look) = *control;
        },
        item);
}

// Marks what a control covers on screen: nothing while it is hidden.
void MarkCovered(DamageTiles& tiles, const LayerItem& item)
{
    if (IsVisible(item))
        ForEachPaintedPiece(item, [&tiles](const PixelRect& piece) { tiles.Add(piece); });
}

LayerItem ItemOf(const LayerDamage::Look& look)
{
    return std::visit([](const auto& control) -> LayerItem { return &control; }, look);
}

} // namespace

LayerDamage::LayerDamage(controls::Layer layer) : m_layer(std::move(layer))
{
    m_looks.reserve(m_layer.size());
    for (const LayerItem& item : m_layer)
        m_looks.push_back(LookOf(item));
}

void LayerDamage::Collect(DamageTiles& tiles)
{
    for (std::size_t i = 0; i < m_layer.size(); ++i) {
        if (Matches(m_looks[i], m_layer[i]))
            continue;
        MarkCovered(tiles, ItemOf(m_looks[i]));
        Remember(m_looks[i], m_layer[i]);
        MarkCovered(tiles, m_layer[i]);
    }
}

} // namespace controls

#include "layerdamage.h"

#include "paintedarea.h"

namespace controls {

namespace {

LayerDamage::Look LookOf(const LayerItem& item)
{
    return std::visit([](const auto* control) -> LayerDamage::Look { return *control; }, item);
}

} // namespace

void MarkCovered(DamageTiles& tiles, const LayerItem& item)
{
    if (IsVisible(item))
        ForEachPaintedPiece(item, [&tiles](const PixelRect& piece) { tiles.Add(piece); }, tiles.TileSize());
}

LayerDamage::LayerDamage(controls::Layer layer) : m_layer(std::move(layer))
{
    m_looks.reserve(m_layer.size());
    for (const LayerItem& item : m_layer)
        m_looks.push_back(LookOf(item));
}

bool LayerDamage::Unchanged(std::size_t i) const
{
    return std::visit(
        [this, i](const auto* control) {
            using Control = std::remove_cvref_t<decltype(*control)>;
            return std::get<Control>(m_looks[i]) == *control;
        },
        m_layer[i]);
}

LayerItem LayerDamage::Before(std::size_t i) const
{
    return std::visit([](const auto& control) -> LayerItem { return &control; }, m_looks[i]);
}

// Assigns in place, so that a caption copies into the storage it already has.
void LayerDamage::Remember(std::size_t i)
{
    std::visit(
        [this, i](const auto* control) {
            using Control = std::remove_cvref_t<decltype(*control)>;
            std::get<Control>(m_looks[i]) = *control;
        },
        m_layer[i]);
}

void LayerDamage::Collect(DamageTiles& tiles)
{
    ForEachChange([&tiles](std::size_t, const LayerItem& before, const LayerItem& now) {
        MarkCovered(tiles, before);
        MarkCovered(tiles, now);
    });
}

} // namespace controls

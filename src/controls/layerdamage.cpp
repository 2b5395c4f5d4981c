#include "layerdamage.h"

#include "paintedarea.h"

#include <algorithm>

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

LayerDamage::LayerDamage(controls::Layer layer)
    : m_layer(std::move(layer)), m_front(m_layer.size()), m_lastLowest(m_layer.size())
{
    m_looks.reserve(m_layer.size());
    for (const LayerItem& item : m_layer)
        m_looks.push_back(LookOf(item));
}

// A control hidden then and hidden now paints nothing either way, whatever
// else changed: most of the lesson and the list of keys, whose texts follow
// A while they are not shown, cost a glance each.
template <typename Changed>
void LayerDamage::ForEachChange(Changed&& changed)
{
    for (std::size_t i = 0; i < m_layer.size(); ++i) {
        if (!IsVisible(m_layer[i]) && !IsVisible(ItemOf(m_looks[i])))
            continue;
        if (Matches(m_looks[i], m_layer[i]))
            continue;
        changed(i, ItemOf(m_looks[i]), m_layer[i]);
        Remember(m_looks[i], m_layer[i]);
    }
}

void LayerDamage::Collect(DamageTiles& tiles)
{
    ForEachChange([&tiles](std::size_t, const LayerItem& before, const LayerItem& now) {
        MarkCovered(tiles, before);
        MarkCovered(tiles, now);
    });
}

void LayerDamage::Collect(DamageTiles& back, DamageTiles& front)
{
    const std::size_t none = m_layer.size();
    std::size_t lowest = none;
    ForEachChange([&](std::size_t i, const LayerItem& before, const LayerItem& now) {
        lowest = std::min(lowest, i);
        DamageTiles& tiles = i < m_front ? back : front;
        MarkCovered(tiles, before);
        MarkCovered(tiles, now);
    });
    if (lowest == none)
        return;
    const std::size_t boundary = std::max(lowest, m_lastLowest);
    m_lastLowest = lowest;
    for (std::size_t i = std::min(boundary, m_front); i < std::max(boundary, m_front); ++i)
        MarkCovered(back, m_layer[i]);
    m_front = boundary;
}

} // namespace controls

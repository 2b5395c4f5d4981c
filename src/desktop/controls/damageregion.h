#pragma once

#include "controls/damagetiles.h"

#include <QRect>
#include <QRegion>
#include <QSize>

#include <vector>

namespace qtcontrols {

// The tiles marked to repaint, handed to the toolkit as one region. The
// runs come band by band, left to right, apart: the banded form the toolkit
// keeps regions in, so the region is built at once rather than by adding
// dozens of rectangles one by one.
class DamageRegion {
public:
    // The client area the tiles cover; clears every mark.
    void Resize(QSize area) { m_tiles.Resize(area.width(), area.height()); }

    [[nodiscard]] controls::DamageTiles& Tiles() { return m_tiles; }

    // The marked tiles as one region, and every mark cleared.
    [[nodiscard]] QRegion Take();

private:
    controls::DamageTiles m_tiles;
    std::vector<QRect> m_rects; // kept between calls to spare allocations
};

} // namespace qtcontrols

#pragma once

#include "pixelrect.h"

#include <vector>

namespace controls {

// Collects the area to paint again as tiles of a fixed grid over the client
// area: marking a rectangle costs a few stores whatever came before, and a
// slanted line marks only the tiles along it, not its whole bounding box.
class DamageTiles {
public:
    // The client area the tiles cover, in pixels; clears every mark.
    void Resize(int width, int height);

    // Marks every tile that `rect` touches within the client area.
    void Add(const PixelRect& rect);

    // Marks every tile.
    void AddAll() { Add({0, 0, m_width, m_height}); }

    // The marked tiles as runs of neighbours along each row of tiles, in
    // pixels of the client area, and every mark cleared. The vector is kept
    // between calls, so that taking allocates nothing once it has grown.
    [[nodiscard]] const std::vector<PixelRect>& Take();

    static constexpr int TileSize = 16;

private:
    int m_width = 0;
    int m_height = 0;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<unsigned char> m_marked; // row by row
    int m_firstRow = 0;                  // the rows holding marks
    int m_lastRow = -1;
    std::vector<PixelRect> m_runs;
};

} // namespace controls

#pragma once

#include "pixelrect.h"

#include <vector>

namespace controls {

// Collects the area to paint again as tiles of a fixed grid over the client
// area: marking a rectangle costs a few stores whatever came before, and a
// slanted line marks only the tiles along it, not its whole bounding box.
// Smaller tiles mark less needlessly, larger ones make fewer runs: a front
// end picks the size that its painting and its copies to the screen favour.
class DamageTiles {
public:
    explicit DamageTiles(int tileSize = 16);

    // The client area the tiles cover, in pixels; clears every mark.
    void Resize(int width, int height);

    // Marks every tile that `rect` touches within the client area.
    void Add(const PixelRect& rect);

    // Marks every tile.
    void AddAll() { Add({0, 0, m_width, m_height}); }

    // The marked tiles as runs of neighbours along each row of tiles, in
    // pixels of the client area, row after row and left to right, and every
    // mark cleared. The vector is kept between calls, so that taking
    // allocates nothing once it has grown.
    [[nodiscard]] const std::vector<PixelRect>& Take();

    [[nodiscard]] int TileSize() const { return m_tileSize; }

private:
    int m_tileSize;
    int m_width = 0;
    int m_height = 0;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<unsigned char> m_marked; // row by row
    std::vector<int> m_firstColumn;      // of each row's marks, or m_columns
    std::vector<int> m_endColumn;        // past each row's last mark, or 0
    int m_firstRow = 0;                  // the rows holding marks
    int m_lastRow = -1;
    std::vector<PixelRect> m_runs;
};

} // namespace controls

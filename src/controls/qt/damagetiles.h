#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>

#include <vector>

namespace qtcontrols {

// Collects the area to repaint as tiles of a fixed grid over the client
// area. Marking a rectangle costs a few stores whatever came before, and the
// region is built once, in the banded form the toolkit keeps regions in:
// much cheaper than adding dozens of rectangles to a region one by one.
class DamageTiles {
public:
    // The client area the tiles cover; clears every mark.
    void Resize(QSize area);

    // Marks every tile that `rect` touches within the client area.
    void Add(const QRect& rect);

    // The marked tiles as one region, and every mark cleared.
    [[nodiscard]] QRegion Take();

private:
    static constexpr int TileSize = 16;

    QSize m_area;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<unsigned char> m_marked; // row by row
    int m_firstRow = 0;                  // the rows holding marks
    int m_lastRow = -1;
    std::vector<QRect> m_runs;           // kept between calls to spare allocations
};

} // namespace qtcontrols

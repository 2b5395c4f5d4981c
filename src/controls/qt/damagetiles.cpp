#include "damagetiles.h"

#include <algorithm>

namespace qtcontrols {

void DamageTiles::Resize(QSize area)
{
    m_area = area;
    m_columns = (std::max(area.width(), 0) + TileSize - 1) / TileSize;
    m_rows = (std::max(area.height(), 0) + TileSize - 1) / TileSize;
    m_marked.assign(std::size_t(m_columns) * std::size_t(m_rows), 0);
    m_firstRow = m_rows;
    m_lastRow = -1;
}

void DamageTiles::Add(const QRect& rect)
{
    const QRect inside = rect.intersected(QRect(QPoint(0, 0), m_area));
    if (inside.isEmpty())
        return;
    const int left = inside.left() / TileSize;
    const int right = inside.right() / TileSize;
    const int top = inside.top() / TileSize;
    const int bottom = inside.bottom() / TileSize;
    for (int row = top; row <= bottom; ++row)
        std::fill_n(m_marked.begin() + std::ptrdiff_t(row * m_columns + left), right - left + 1, 1);
    m_firstRow = std::min(m_firstRow, top);
    m_lastRow = std::max(m_lastRow, bottom);
}

// Each row of tiles becomes one band of runs of marked tiles, left to right:
// rectangles of one height per band, sorted, apart, as setRects expects.
QRegion DamageTiles::Take()
{
    m_runs.clear();
    for (int row = m_firstRow; row <= m_lastRow; ++row) {
        unsigned char* marks = m_marked.data() + std::ptrdiff_t(row) * m_columns;
        const int top = row * TileSize;
        const int height = std::min(TileSize, m_area.height() - top);
        for (int column = 0; column < m_columns;) {
            if (!marks[column]) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < m_columns && marks[column])
                marks[column++] = 0;
            const int left = start * TileSize;
            const int width = std::min(column * TileSize, m_area.width()) - left;
            m_runs.emplace_back(left, top, width, height);
        }
    }
    m_firstRow = m_rows;
    m_lastRow = -1;

    QRegion region;
    if (!m_runs.empty())
        region.setRects(m_runs.data(), int(m_runs.size()));
    return region;
}

} // namespace qtcontrols

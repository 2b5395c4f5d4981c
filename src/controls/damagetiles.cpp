#include "damagetiles.h"

#include <algorithm>

namespace controls {

void DamageTiles::Resize(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_columns = (m_width + TileSize - 1) / TileSize;
    m_rows = (m_height + TileSize - 1) / TileSize;
    m_marked.assign(std::size_t(m_columns) * std::size_t(m_rows), 0);
    m_firstRow = m_rows;
    m_lastRow = -1;
}

void DamageTiles::Add(const PixelRect& rect)
{
    const PixelRect inside = rect.Intersected({0, 0, m_width, m_height});
    if (inside.IsEmpty())
        return;
    const int left = inside.left / TileSize;
    const int right = (inside.right - 1) / TileSize;
    const int top = inside.top / TileSize;
    const int bottom = (inside.bottom - 1) / TileSize;
    for (int row = top; row <= bottom; ++row)
        std::fill_n(m_marked.begin() + std::ptrdiff_t(row * m_columns + left), right - left + 1, 1);
    m_firstRow = std::min(m_firstRow, top);
    m_lastRow = std::max(m_lastRow, bottom);
}

const std::vector<PixelRect>& DamageTiles::Take()
{
    m_runs.clear();
    for (int row = m_firstRow; row <= m_lastRow; ++row) {
        unsigned char* marks = m_marked.data() + std::ptrdiff_t(row) * m_columns;
        const int top = row * TileSize;
        const int bottom = std::min(top + TileSize, m_height);
        for (int column = 0; column < m_columns;) {
            if (!marks[column]) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < m_columns && marks[column])
                marks[column++] = 0;
            m_runs.push_back({start * TileSize, top, std::min(column * TileSize, m_width), bottom});
        }
    }
    m_firstRow = m_rows;
    m_lastRow = -1;
    return m_runs;
}

} // namespace controls

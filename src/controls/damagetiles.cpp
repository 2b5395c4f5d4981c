#include "damagetiles.h"

#include <algorithm>

namespace controls {

DamageTiles::DamageTiles(int tileSize) : m_tileSize(std::max(tileSize, 1)) {}

void DamageTiles::Resize(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_columns = (m_width + m_tileSize - 1) / m_tileSize;
    m_rows = (m_height + m_tileSize - 1) / m_tileSize;
    m_marked.assign(std::size_t(m_columns) * std::size_t(m_rows), 0);
    m_firstColumn.assign(std::size_t(m_rows), m_columns);
    m_endColumn.assign(std::size_t(m_rows), 0);
    m_firstRow = m_rows;
    m_lastRow = -1;
}

void DamageTiles::Add(const PixelRect& rect)
{
    const PixelRect inside = rect.Intersected({0, 0, m_width, m_height});
    if (inside.IsEmpty())
        return;
    const int left = inside.left / m_tileSize;
    const int end = (inside.right - 1) / m_tileSize + 1;
    const int top = inside.top / m_tileSize;
    const int bottom = (inside.bottom - 1) / m_tileSize;
    for (int row = top; row <= bottom; ++row) {
        std::fill_n(m_marked.begin() + std::ptrdiff_t(row * m_columns + left), end - left, 1);
        m_firstColumn[std::size_t(row)] = std::min(m_firstColumn[std::size_t(row)], left);
        m_endColumn[std::size_t(row)] = std::max(m_endColumn[std::size_t(row)], end);
    }
    m_firstRow = std::min(m_firstRow, top);
    m_lastRow = std::max(m_lastRow, bottom);
}

// Only the columns between a row's first and last mark are looked at: a
// few small tiles along the figure's sides leave most of each row unmarked.
const std::vector<PixelRect>& DamageTiles::Take()
{
    m_runs.clear();
    for (int row = m_firstRow; row <= m_lastRow; ++row) {
        unsigned char* marks = m_marked.data() + std::ptrdiff_t(row) * m_columns;
        const int top = row * m_tileSize;
        const int bottom = std::min(top + m_tileSize, m_height);
        const int end = m_endColumn[std::size_t(row)];
        for (int column = m_firstColumn[std::size_t(row)]; column < end;) {
            if (!marks[column]) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < end && marks[column])
                marks[column++] = 0;
            m_runs.push_back({start * m_tileSize, top, std::min(column * m_tileSize, m_width), bottom});
        }
        m_firstColumn[std::size_t(row)] = m_columns;
        m_endColumn[std::size_t(row)] = 0;
    }
    m_firstRow = m_rows;
    m_lastRow = -1;
    return m_runs;
}

} // namespace controls

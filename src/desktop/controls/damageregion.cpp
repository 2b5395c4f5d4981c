#include "damageregion.h"

#include "qtconvert.h"

namespace qtcontrols {

QRegion DamageRegion::Take()
{
    m_rects.clear();
    for (const controls::PixelRect& run : m_tiles.Take())
        m_rects.push_back(ToQRect(run));
    QRegion region;
    if (!m_rects.empty())
        region.setRects(m_rects.data(), int(m_rects.size()));
    return region;
}

} // namespace qtcontrols

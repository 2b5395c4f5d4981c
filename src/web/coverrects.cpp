#include "coverrects.h"

#include <cstddef>

namespace web {

using controls::PixelRect;

namespace {

long Area(const PixelRect& rect)
{
    return long(rect.Width()) * rect.Height();
}

} // namespace

// Greedy, in one pass: a rectangle stays open while the runs come from its
// last row of tiles or the row below, and a run joins the open rectangle it
// wastes least with. What a union wastes is its area less the runs in it.
const std::vector<PixelRect>& CoverRects::Cover(const std::vector<PixelRect>& runs, long waste)
{
    m_rects.clear();
    m_covered.clear();
    std::size_t open = 0; // the rectangles before it are closed
    for (const PixelRect& run : runs) {
        while (open < m_rects.size() && m_rects[open].bottom < run.top)
            ++open;
        std::size_t best = m_rects.size();
        long least = waste + 1;
        for (std::size_t i = open; i < m_rects.size(); ++i) {
            if (m_rects[i].bottom < run.top)
                continue;
            const long wasted = Area(m_rects[i].United(run)) - m_covered[i] - Area(run);
            if (wasted < least) {
                best = i;
                least = wasted;
            }
        }
        if (best == m_rects.size()) {
            m_rects.push_back(run);
            m_covered.push_back(Area(run));
        } else {
            m_rects[best] = m_rects[best].United(run);
            m_covered[best] += Area(run);
        }
    }
    return m_rects;
}

} // namespace web

#pragma once

#include "controls/layer.h"

#include <QRect>
#include <QRegion>

#include <algorithm>
#include <cmath>

class QPainter;

namespace qtcontrols {

// The rectangle, in logical pixels, that a control covers when painted,
// hidden or not. Generous by a pixel or two, so that repainting it always
// wipes every pixel the control drew.
[[nodiscard]] QRect PaintedBounds(const controls::LayerItem& item);

// The same area, more tightly, as rectangles handed to `add`: a slanted line
// covers a chain of small rectangles along its length rather than its whole
// bounding box, so that moving the sides of the triangle repaints little
// more than the sides.
template <typename Add>
void ForEachPaintedPiece(const controls::LayerItem& item, Add&& add);

// Paints one visible control; a hidden one paints nothing. Lines are drawn
// without antialiasing, like the pens of the original platform, so that a
// 1-pixel grid line is one crisp pixel row.
void Paint(QPainter& painter, const controls::LayerItem& item);

// Paints the visible controls of `layer` that reach into `area`, back to front.
void PaintLayer(QPainter& painter, const controls::Layer& layer, const QRegion& area);

// Label boxes sit on whole pixels, as the original platform placed them.
[[nodiscard]] QRect LabelBox(const controls::Label& label);

// Implementation of ForEachPaintedPiece.
namespace detail {
QRect LineBounds(float x1, float y1, float x2, float y2, int width);
} // namespace detail

template <typename Add>
void ForEachPaintedPiece(const controls::LayerItem& item, Add&& add)
{
    const auto* line = std::get_if<const controls::Line*>(&item);
    if (!line) {
        add(PaintedBounds(item));
        return;
    }
    // Pieces no longer than this along the line's main direction.
    constexpr float pieceLength = 16;
    const controls::Line& l = **line;
    const float dx = l.X2 - l.X1;
    const float dy = l.Y2 - l.Y1;
    const float length = std::max(std::abs(dx), std::abs(dy));
    const int pieces = (length > pieceLength && dx != 0 && dy != 0) ? int(std::ceil(length / pieceLength)) : 1;
    float x = l.X1;
    float y = l.Y1;
    for (int i = 1; i <= pieces; ++i) {
        const float nextX = i == pieces ? l.X2 : l.X1 + dx * float(i) / float(pieces);
        const float nextY = i == pieces ? l.Y2 : l.Y1 + dy * float(i) / float(pieces);
        add(detail::LineBounds(x, y, nextX, nextY, l.BorderWidth));
        x = nextX;
        y = nextY;
    }
}

} // namespace qtcontrols

#pragma once

#include "controls/layer.h"

#include <QRect>

class QPainter;

namespace qtcontrols {

// The rectangle, in logical pixels, that a control covers when painted,
// hidden or not. Generous by a pixel or two, so that repainting it always
// wipes every pixel the control drew.
[[nodiscard]] QRect PaintedBounds(const controls::LayerItem& item);

// Paints one visible control; a hidden one paints nothing. Lines are drawn
// without antialiasing, like the pens of the original platform, so that a
// 1-pixel grid line is one crisp pixel row.
void Paint(QPainter& painter, const controls::LayerItem& item);

// Paints the visible controls of `layer` that reach into `area`, back to front.
void PaintLayer(QPainter& painter, const controls::Layer& layer, const QRect& area);

// Label boxes sit on whole pixels, as the original platform placed them.
[[nodiscard]] QRect LabelBox(const controls::Label& label);

} // namespace qtcontrols

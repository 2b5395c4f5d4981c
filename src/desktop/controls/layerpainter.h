#pragma once

#include "controls/layer.h"

#include <QRect>
#include <QRegion>

#include <span>

class QPainter;

namespace qtcontrols {

// Paints one visible control; a hidden one paints nothing. Lines are drawn
// without antialiasing, like the pens of the original platform, so that a
// 1-pixel grid line is one crisp pixel row.
void Paint(QPainter& painter, const controls::LayerItem& item);

// Paints the visible controls of `items` (a layer, or a stretch of one) that
// reach into `area`, back to front.
void PaintLayer(QPainter& painter, std::span<const controls::LayerItem> items, const QRegion& area);

// Label boxes sit on whole pixels, as the original platform placed them.
[[nodiscard]] QRect LabelBox(const controls::Label& label);

} // namespace qtcontrols

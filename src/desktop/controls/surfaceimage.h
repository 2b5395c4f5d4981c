#pragma once

#include "controls/color.h"
#include "controls/surface.h"

#include <QImage>

class QPainter;
class QRect;
class QWidget;

namespace qtcontrols {

class RepaintPacer;

// The drawing surface of a window, kept as an image at the screen's device
// pixel ratio. Strokes stay in it until Cls, whatever is painted over them;
// the window copies the part it repaints.
class SurfaceImage final : public controls::Surface {
public:
    // `window` is repainted where the surface changes, through `pacer`.
    SurfaceImage(QWidget& window, RepaintPacer& pacer);

    // The window's BackColor, ForeColor and DrawWidth.
    void SetPens(controls::Color back, controls::Color fore, int drawWidth);

    // Makes the surface cover a client area of `size` logical pixels, blank;
    // where only the device pixel ratio changes, it keeps its strokes.
    // Nothing is reallocated when the size and ratio stay the same.
    void Resize(QSize size, qreal devicePixelRatio);

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Refresh() override;

    // Copies the part of the surface under `area` (logical pixels).
    void PaintOn(QPainter& painter, const QRect& area) const;

    // Whether it changed since the last call.
    [[nodiscard]] bool TakeChanged();

    [[nodiscard]] const QImage& Image() const { return m_image; }

private:
    QWidget& m_window;
    RepaintPacer& m_pacer;
    QImage m_image;
    QSize m_size; // the client area the surface covers, in logical pixels
    bool m_changed = true;
    controls::Color m_back{0xFFFFFF};
    controls::Color m_fore;
    int m_drawWidth = 1;
};

} // namespace qtcontrols

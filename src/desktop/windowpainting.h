#pragma once

#include "form/form1.h"

#include "controls/layerdamage.h"
#include "desktop/controls/backgroundimage.h"
#include "desktop/controls/damageregion.h"

#include <QRegion>
#include <QSize>

#include <span>

class QPainter;

namespace qtcontrols {
class SurfaceImage;
} // namespace qtcontrols

namespace app {

class FigureWidget;

// What the window paints, back to front: the drawing surface, the band
// that shows the keyboard focus, Form1's controls (windowlayers.h), and the
// memo strokes once more over the lesson's panel. The back (the surface,
// the band and the controls at the back of the layer, controls/layerdamage.h)
// is kept ready to copy, since a drag leaves it alone.
class WindowPainting {
public:
    WindowPainting(const Form1& form, qtcontrols::SurfaceImage& surface);

    // Once start-up has made the grid lines, so that the layer lists them,
    // and the figure's control, whose focus band is painted, exists.
    void Start(const FigureWidget& figure);
    // The client area, in logical pixels.
    void Resize(QSize size);

    // Where Form1's controls changed since the last call: to repaint. The
    // back is painted again where it changed.
    [[nodiscard]] QRegion TakeChanged();
    // The back is to be painted again within `area`.
    void Invalidate(const QRegion& area) { m_background.Invalidate(area); }
    // Whether the focus band is painted: not in a picture of the window.
    void PaintFocusBand(bool painted) { m_paintFocusBand = painted; }

    // Paints `area` of a client area of `size` at `ratio` device pixels.
    void Paint(QPainter& painter, const QRegion& area, QSize size, qreal ratio);

private:
    // Within `area`: the surface, the focus band over it and `items` over both.
    void PaintBack(QPainter& painter, const QRegion& area, std::span<const controls::LayerItem> items) const;
    void PaintMemoOverLesson(QPainter& painter, const QRegion& area) const;

    const Form1& m_form;
    qtcontrols::SurfaceImage& m_surface;
    const FigureWidget* m_figure = nullptr;
    controls::LayerDamage m_layer;         // the controls as last painted
    qtcontrols::DamageRegion m_damage;     // where they changed since, in front
    qtcontrols::DamageRegion m_backDamage; // and at the back
    qtcontrols::BackgroundImage m_background;
    bool m_paintFocusBand = true;
};

} // namespace app

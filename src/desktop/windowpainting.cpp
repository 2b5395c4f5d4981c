#include "windowpainting.h"

#include "figurewidget.h"
#include "form/windowlayers.h"

#include "desktop/controls/layerpainter.h"
#include "desktop/controls/qtconvert.h"
#include "desktop/controls/surfaceimage.h"

#include <QPainter>

namespace app {

WindowPainting::WindowPainting(const Form1& form, qtcontrols::SurfaceImage& surface)
    : m_form(form), m_surface(surface)
{
}

void WindowPainting::Start(const FigureWidget& figure)
{
    m_figure = &figure;
    m_layer = controls::LayerDamage(WindowLayer(m_form.Controls()));
}

void WindowPainting::Resize(QSize size)
{
    m_damage.Resize(size);
    m_backDamage.Resize(size);
}

QRegion WindowPainting::TakeChanged()
{
    m_layer.Collect(m_backDamage.Tiles(), m_damage.Tiles());
    const QRegion back = m_backDamage.Take();
    m_background.Invalidate(back);
    return back + m_damage.Take();
}

// The back, ready to copy, then the rest of the layer. While the surface
// changes, as a memo is written, the back would be painted again for every
// copy taken of it, and a painter made on it at every frame leaves the heap
// more scattered each time: the window paints from the surface itself then,
// and makes the back again, whole, at the first paint after.
void WindowPainting::Paint(QPainter& painter, const QRegion& area, QSize size, qreal ratio)
{
    const std::span<const controls::LayerItem> layer = m_layer.Layer();
    if (m_surface.TakeChanged()) {
        m_background.Invalidate(QRect(QPoint(), size));
        PaintBack(painter, area, layer);
        PaintMemoOverLesson(painter, area);
        return;
    }
    const std::size_t front = m_layer.Front();
    m_background.Update(size, ratio, [&](QPainter& back, const QRegion& stale) {
        PaintBack(back, stale, layer.first(front));
    });
    for (const QRect& part : area)
        m_background.CopyOnto(painter, part);
    qtcontrols::PaintLayer(painter, layer.subspan(front), area);
    PaintMemoOverLesson(painter, area);
}

void WindowPainting::PaintBack(QPainter& painter, const QRegion& area,
                               std::span<const controls::LayerItem> items) const
{
    for (const QRect& part : area)
        m_surface.PaintOn(painter, part);
    if (m_paintFocusBand && m_figure && m_figure->ShowsFocusFrame())
        m_figure->PaintFocusFrame(painter);
    qtcontrols::PaintLayer(painter, items, area);
}

// Multiplied, the surface's white leaves the panel as it is and its strokes
// darken it, as ink on paper: the teacher's notes lie over the lesson.
void WindowPainting::PaintMemoOverLesson(QPainter& painter, const QRegion& area) const
{
    const QRect panel = qtcontrols::ToQRect(MemoOverLesson(m_form.Controls()));
    if (panel.isEmpty())
        return;
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    for (const QRect& part : area.intersected(panel))
        m_surface.PaintOn(painter, part);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace app

#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>

namespace qtcontrols {

// The back of a window kept ready to copy: an image at the screen's device
// pixel ratio of what lies beneath the controls that move (the surface, and
// the grid over it while A is dragged). A repaint copies it rectangle by
// rectangle where it would otherwise copy the surface and fill every grid
// line that crosses the region, each clipped to the region row by row. The
// window says where the back changed; the image is painted again there
// before it is next copied.
class BackgroundImage {
public:
    // `area` (logical pixels) of the back is to be painted again.
    void Invalidate(const QRegion& area);

    // Makes the image `size` logical pixels at `ratio` and has
    // `paintBack(painter, region)` paint it again within `region`, where it
    // is out of date.
    template <typename PaintBack>
    void Update(QSize size, qreal ratio, PaintBack&& paintBack)
    {
        if (!Prepare(size, ratio))
            return;
        QPainter back(&m_image);
        back.setClipRegion(m_stale);
        paintBack(back, m_stale);
        m_stale = QRegion();
    }

    // Copies `area` (logical pixels) of the back onto `painter`.
    void CopyOnto(QPainter& painter, const QRect& area) const { CopyArea(painter, m_image, area); }

    // Copies the part of `image` (at its device pixel ratio) under `area`
    // (logical pixels) onto `painter`, pixel for pixel where a repaint of
    // the whole window puts it.
    static void CopyArea(QPainter& painter, const QImage& image, const QRect& area);

private:
    // Makes the image `size` at `ratio`, all of it stale if it was not;
    // whether any of it is stale.
    [[nodiscard]] bool Prepare(QSize size, qreal ratio);

    QImage m_image;
    QSize m_size; // logical pixels
    QRegion m_stale;
};

} // namespace qtcontrols

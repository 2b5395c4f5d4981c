#include "repaintpacer.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace qtcontrols {

RepaintPacer::RepaintPacer(QWidget& widget) : m_widget(widget)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &widget, [this] { Flush(); });
}

void RepaintPacer::Update(const QRegion& region)
{
    if (region.isEmpty())
        return;
    m_pending += region;
    // Input faster than any hand keeps adding pieces within one frame. One
    // move of the figure in a 4K window makes a few hundred; past a thousand,
    // one rectangle round them all is cheaper to keep and to paint.
    constexpr int mostPieces = 1024;
    if (m_pending.rectCount() > mostPieces)
        m_pending = m_pending.boundingRect();
    if (m_timer.isActive())
        return;
    const qint64 wait = m_sinceFlush.isValid() ? FrameMilliseconds() - m_sinceFlush.elapsed() : 0;
    if (wait <= 0)
        Flush();
    else
        m_timer.start(int(wait));
}

void RepaintPacer::Flush()
{
    m_widget.update(m_pending);
    m_pending = QRegion();
    m_sinceFlush.start();
}

int RepaintPacer::FrameMilliseconds() const
{
    const QScreen* screen = m_widget.screen();
    const qreal refresh = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60;
    return std::max(1, int(std::floor(1000 / refresh)));
}

} // namespace qtcontrols

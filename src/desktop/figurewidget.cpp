#include "figurewidget.h"

#include "inputcodes.h"
#include "form/readoutsummary.h"

#include <QKeyEvent>
#include <QPainter>

namespace app {

namespace {

// Wide enough to see from the back of a classroom, narrow enough to leave
// the grid's edge cells readable.
constexpr int FrameWidth = 3;

} // namespace

FigureWidget::FigureWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Figure"));
    // Tab, and a press on the figure, which the window passes on since the
    // figure lets the mouse through: after any touch the arrow keys are the
    // figure's.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QString::fromUtf8(FigureName));
}

QRegion FigureWidget::FocusFrame() const
{
    return QRegion(rect()) - QRegion(rect().adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth));
}

void FigureWidget::PaintFocusFrame(QPainter& painter) const
{
    const QColor colour = palette().color(QPalette::Highlight);
    for (const QRect& band : FocusFrame())
        painter.fillRect(band, colour);
}

void FigureWidget::keyPressEvent(QKeyEvent* event)
{
    const int code = KeyCode(event->key());
    if (code == 0 || !m_keyHandler || !m_keyHandler(code, ShiftCode(event->modifiers()), event->isAutoRepeat())) {
        QWidget::keyPressEvent(event); // ignored: on to the window and the toolkit
        return;
    }
    // The keyboard is in use: the frame shows where the keys go.
    if (!m_keyboardFocus) {
        m_keyboardFocus = true;
        emit focusChanged();
    }
}

void FigureWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (KeyCode(event->key()) == 0) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        emit keyUp();
}

void FigureWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // The window coming back to the front, or a menu closing, brings back the
    // focus as it was, framed or not.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        m_keyboardFocus = reason != Qt::MouseFocusReason;
    emit focusChanged();
}

void FigureWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    emit focusChanged();
}

} // namespace app

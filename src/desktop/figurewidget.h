#pragma once

#include <QWidget>

#include <functional>

class QPainter;

namespace app {

// The figure as a control of its own: it takes the keyboard focus after the
// check boxes, receives the keys that move A, and is what assistive
// technology sees of the figure. It covers the client area beneath the
// buttons but paints nothing and lets every mouse event through: the window
// goes on painting the whole client area in one pass and keeps the mouse, so
// the figure's painting and dragging are the same with it as without it.
class FigureWidget final : public QWidget {
    Q_OBJECT

public:
    // Form1's key handler, with whether the key repeats; it answers whether
    // the key was the figure's. A key it declines goes on to the window and
    // the toolkit, as if the figure had never seen it.
    using KeyHandler = std::function<bool(int KeyCode, int Shift, bool repeated)>;

    explicit FigureWidget(QWidget* parent);

    void SetKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }

    // Whether the focus frame is to be seen: the figure has the focus, and it
    // came from the keyboard (Tab, or a key pressed since), not from a press
    // of the mouse alone - the platform's convention for pointer focus.
    [[nodiscard]] bool ShowsFocusFrame() const { return hasFocus() && m_keyboardFocus; }

    // A band along the edges of the client area that shows the keyboard
    // focus. The window paints it over the memo surface and under the lines
    // and labels, so it lies only on blank surface: it moves and recolours
    // nothing of the figure.
    [[nodiscard]] QRegion FocusFrame() const;
    void PaintFocusFrame(QPainter& painter) const;

signals:
    // A key of the figure's is up again: no more repeats follow.
    void keyUp();
    // The focus, or how its frame shows, changed.
    void focusChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    KeyHandler m_keyHandler;
    bool m_keyboardFocus = false;
};

} // namespace app

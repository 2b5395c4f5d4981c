#pragma once

#include <QEvent>
#include <QObject>
#include <QPointF>
#include <QTimer>

class QContextMenuEvent;
class QKeyEvent;
class QMouseEvent;

namespace app {

class Form1Window;

// The window's mouse, touch, pen and keys, turned into Form1's handlers. The
// first button down decides who has the pointer until every button is up:
// a designed label, or the figure. A right click that moved nothing, a
// finger or pen held still on the figure, and the keyboard's menu key ask
// for the figure's menu. The presenter's and the lesson's keys are the
// figure's wherever the focus is in the window. While the list of keys is
// shown, the next key or click anywhere in the window only closes it: a
// modifier's own press leaves it open, and the closing key is swallowed
// whole, its repeats and its release too.
class WindowInput : public QObject {
    Q_OBJECT

public:
    explicit WindowInput(Form1Window& window);
    ~WindowInput() override;

    // A key for Form1's key handler, with whether it repeats; whether it
    // was the figure's. The figure's control hands over the keys it gets.
    bool KeyDown(int KeyCode, int Shift, bool repeated);
    // The figure's key is up again, or the window lost the keyboard.
    void KeyUp();
    // Whether a key of the figure's is held and repeating: like a drag, it
    // is described to a screen reader where it ends.
    [[nodiscard]] bool KeyRepeating() const { return m_keyRepeating; }

signals:
    // The figure's menu, at this point of the screen.
    void menuRequested(QPoint global);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Who has the pointer, from the first button down until all are up.
    enum class Owner { Nobody, Figure, Label, Menu };

    void Press(const QMouseEvent& event);
    void Move(const QMouseEvent& event);
    void Release(const QMouseEvent& event);
    void LongPressed();
    bool WindowKey(QEvent::Type type, const QKeyEvent& event);
    // What the list of keys does with an event anywhere in the window:
    // true when it takes it.
    bool KeyListTakes(QObject* watched, QEvent* event);

    Form1Window& m_window;
    Owner m_owner = Owner::Nobody;
    QTimer m_longPress;
    QPointF m_pressAt; // of the press that may become a long one, in the window
    bool m_keyRepeating = false;
    // The key that closed the list of keys, until it is up: its key and,
    // where the platform gives one, its scan code.
    int m_swallowedKey = 0;
    quint32 m_swallowedScanCode = 0;
};

} // namespace app

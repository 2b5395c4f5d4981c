#include "windowinput.h"

#include "figurewidget.h"
#include "form1window.h"
#include "inputcodes.h"
#include "form/figuremenu.h"
#include "form/keycodes.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointingDevice>

#include <functional>
#include <utility>

namespace app {

namespace {

// The presenter's keys, the lesson's and the list of keys are the figure's
// wherever the focus is in the window: no button uses them, and a remote
// works from the moment the window opens, whatever was clicked since. The
// buttons keep the arrow keys.
bool WindowWide(int code)
{
    return code == vbKeyPageUp || code == vbKeyPageDown || code == vbKeyS || code == vbKeyF1 || code == vbKeyF5
        || code == vbKeyEscape;
}

// A finger or a pen, whose long press opens the menu; a mouse has its right
// button for that, and a mouse held still is only a hand at rest.
bool TouchOrPen(const QMouseEvent& event)
{
    const QInputDevice::DeviceType type = event.pointingDevice()->type();
    return type == QInputDevice::DeviceType::TouchScreen || type == QInputDevice::DeviceType::Stylus
        || type == QInputDevice::DeviceType::Airbrush;
}

bool IsModifier(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Meta || key == Qt::Key_Alt
        || key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_Super_L
        || key == Qt::Key_Super_R || key == Qt::Key_Hyper_L || key == Qt::Key_Hyper_R;
}

// Sees every event of the application before any widget, and any filter
// of a widget, does.
class ApplicationFilter final : public QObject {
public:
    using Filter = std::function<bool(QObject* watched, QEvent* event)>;

    ApplicationFilter(QObject* parent, Filter filter) : QObject(parent), m_filter(std::move(filter))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~ApplicationFilter() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return m_filter(watched, event); }

private:
    Filter m_filter;
};

} // namespace

WindowInput::WindowInput(Form1Window& window) : QObject(&window), m_window(window)
{
    m_longPress.setSingleShot(true);
    m_longPress.setInterval(LongPressMilliseconds);
    connect(&m_longPress, &QTimer::timeout, this, &WindowInput::LongPressed);
    window.installEventFilter(this);
    // The list of keys closes on a key or click anywhere in the window,
    // before any widget sees it.
    new ApplicationFilter(this, [this](QObject* watched, QEvent* event) { return KeyListTakes(watched, event); });
}

WindowInput::~WindowInput() = default;

bool WindowInput::KeyDown(int KeyCode, int Shift, bool repeated)
{
    bool taken = false;
    m_keyRepeating = repeated;
    m_window.Handle([&] { taken = m_window.form().Figure_KeyDown(KeyCode, Shift); });
    if (!taken)
        m_keyRepeating = false;
    return taken;
}

void WindowInput::KeyUp()
{
    m_keyRepeating = false;
    m_window.DescribeFigure();
}

bool WindowInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Press(static_cast<const QMouseEvent&>(*event));
        return true;
    case QEvent::MouseMove:
        Move(static_cast<const QMouseEvent&>(*event));
        return true;
    case QEvent::MouseButtonRelease:
        Release(static_cast<const QMouseEvent&>(*event));
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return WindowKey(event->type(), static_cast<const QKeyEvent&>(*event));
    case QEvent::ContextMenu:
        // The keyboard's menu key, wherever the focus is; a right click
        // opens the menu where it is released, not pressed.
        if (static_cast<const QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
            emit menuRequested(m_window.mapToGlobal(m_window.rect().center()));
        return true;
    default:
        return false;
    }
}

void WindowInput::Press(const QMouseEvent& event)
{
    // A press anywhere on the figure gives it the keys, as a press on any
    // control would; the frame stays hidden, as the platform does for
    // pointer focus, so a drag leaves the picture as it was.
    m_window.figureWidget().setFocus(Qt::MouseFocusReason);
    const bool first = event.buttons() == event.button();
    if (first)
        m_owner = m_window.DesignedLabelAt(event.position()) ? Owner::Label : Owner::Figure;
    if (m_owner != Owner::Figure)
        return;
    const QPointF at = event.position();
    Form1& form = m_window.form();
    m_window.Handle([&] {
        form.Form_MouseDown(ButtonCode(event.button()), ShiftCode(event.modifiers()), float(at.x()), float(at.y()));
    });
    m_longPress.stop();
    if (first && TouchOrPen(event)) {
        m_pressAt = at;
        m_longPress.start();
    }
}

void WindowInput::Move(const QMouseEvent& event)
{
    if (m_owner != Owner::Figure)
        return;
    const QPointF at = event.position();
    Form1& form = m_window.form();
    m_window.Handle([&] {
        form.Form_MouseMove(ButtonCode(event.buttons()), ShiftCode(event.modifiers()), float(at.x()), float(at.y()));
    });
    if (!form.LongPressOpensMenu())
        m_longPress.stop();
}

void WindowInput::Release(const QMouseEvent& event)
{
    const Owner owner = m_owner;
    if (event.buttons() == Qt::NoButton) {
        m_owner = Owner::Nobody;
        m_longPress.stop();
    }
    if (owner != Owner::Figure)
        return;
    const QPointF at = event.position();
    Form1& form = m_window.form();
    const int button = ButtonCode(event.button());
    m_window.Handle([&] {
        form.Form_MouseUp(button, ShiftCode(event.modifiers()), float(at.x()), float(at.y()));
    });
    if (event.buttons() == Qt::NoButton && form.RightClickOpensMenu(button))
        emit menuRequested(event.globalPosition().toPoint());
}

// The finger or pen rested: the press is the menu's now. The drag ends
// where it began, and the rest of the press, until it lifts, moves nothing.
void WindowInput::LongPressed()
{
    Form1& form = m_window.form();
    if (m_owner != Owner::Figure || !form.LongPressOpensMenu())
        return;
    m_owner = Owner::Menu;
    m_window.Handle([&] { form.Form_MouseUp(0, 0, float(m_pressAt.x()), float(m_pressAt.y())); });
    emit menuRequested(m_window.mapToGlobal(m_pressAt.toPoint()));
}

// A key that no control took comes to the window: the figure's, if it is
// one of those it takes from anywhere.
bool WindowInput::WindowKey(QEvent::Type type, const QKeyEvent& event)
{
    const int code = KeyCode(event.key());
    if (!WindowWide(code))
        return false;
    if (type == QEvent::KeyPress)
        return KeyDown(code, ShiftCode(event.modifiers()), event.isAutoRepeat());
    if (!event.isAutoRepeat())
        KeyUp();
    return true;
}

bool WindowInput::KeyListTakes(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool key = type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride;
    if (!key && type != QEvent::MouseButtonPress && type != QEvent::TouchBegin)
        return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != &m_window)
        return false;
    Form1& form = m_window.form();
    if (!key) {
        if (!form.KeyHelpShown())
            return false;
        m_window.Handle([&] { form.CloseKeyHelp(); });
        return true;
    }
    auto* pressed = static_cast<QKeyEvent*>(event);
    const bool same = pressed->key() == m_swallowedKey
        || (m_swallowedScanCode != 0 && pressed->nativeScanCode() == m_swallowedScanCode);
    if (m_swallowedKey != 0 && same) {
        if (type == QEvent::KeyRelease && !pressed->isAutoRepeat())
            m_swallowedKey = 0;
        event->accept(); // a shortcut override accepted: no shortcut either
        return true;
    }
    if (!form.KeyHelpShown() || IsModifier(pressed->key()) || type == QEvent::KeyRelease)
        return false;
    // F1 held: its repeats are no new key.
    if (!pressed->isAutoRepeat()) {
        m_swallowedKey = pressed->key();
        m_swallowedScanCode = pressed->nativeScanCode();
        m_window.Handle([&] { form.CloseKeyHelp(); });
    }
    event->accept();
    return true;
}

} // namespace app

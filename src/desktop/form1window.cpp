#include "form1window.h"

#include "accessibility.h"
#include "figurewidget.h"
#include "inputcodes.h"
#include "lessonstepbuttons.h"
#include "form/keycodes.h"
#include "form/readoutsummary.h"
#include "form/windowlayers.h"
#include "worksheetactions.h"

#include "desktop/controls/buttonwidgets.h"
#include "desktop/controls/layerpainter.h"
#include "desktop/controls/optiongroup.h"
#include "desktop/controls/qtconvert.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QWindow>

namespace app {

Form1Window::Form1Window(QWidget* parent)
    : QWidget(parent),
      m_form(m_surface, &m_metrics)
{
    InstallAccessibility();
    const controls::Form& form = m_form.Controls().Form1;
    setWindowTitle(qtcontrols::ToQString(form.Caption));
    // Everything is painted here, the surface first: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.SetPens(form.BackColor, form.ForeColor, form.DrawWidth);
    resize(int(form.ScaleWidth), int(form.ScaleHeight));
    m_surface.Resize(size(), devicePixelRatio());

    m_form.Form_Load();
    // The grid lines exist from here on, so the layer can list them.
    m_layer = controls::LayerDamage(WindowLayer(m_form.Controls()));

    CreateButtons();
    ConnectButtons();
    m_lessonSteps = std::make_unique<LessonStepButtons>(this, m_form, [this](void (Form1::*handler)()) {
        Handle([this, handler] { (m_form.*handler)(); });
    });
    m_lessonSteps->InsertInFocusChain(m_check4, m_figure);
    ConnectFigure();
    DescribeLengths();
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &Form1Window::CopyToClipboard);
    new WorksheetActions(*this); // Ctrl+S and Ctrl+P
    // While the list of keys is shown, the first key or click anywhere in
    // the window closes it.
    QCoreApplication::instance()->installEventFilter(this);
}

// Closing the window takes the focus from the figure, after this class's
// members are gone: neither the figure nor the events of the widgets that
// go with the window may reach it any more.
Form1Window::~Form1Window()
{
    disconnect(m_figure, nullptr, this, nullptr);
    QCoreApplication::instance()->removeEventFilter(this);
}

// The widgets are created back to front, which also makes the keyboard focus
// order that of the tab indexes. The option buttons' group, which takes no
// focus, comes first, so that the focus chain runs from the reset button
// straight into the options. The figure comes last in the focus order and is
// then put beneath them all.
void Form1Window::CreateButtons()
{
    const Form1Controls& c = m_form.Controls();
    m_option1Group = new qtcontrols::OptionGroup(c.Shape1, this);
    m_option1Group->setObjectName(QStringLiteral("Option1"));
    m_option1Group->setAccessibleName(QString::fromUtf8(OptionGroupName));
    m_command1 = qtcontrols::MakeCommandButton(c.Command1, this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    for (int i = 0; i < 2; ++i) {
        m_option1[i] = qtcontrols::MakeOptionButton(c.Option1[i], m_option1Group);
        m_option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    }
    m_option1Group->FitToButtons();
    m_check1 = qtcontrols::MakeCheckBox(c.Check1, this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check2 = qtcontrols::MakeCheckBox(c.Check2, this);
    m_check2->setObjectName(QStringLiteral("Check2"));
    m_check3 = qtcontrols::MakeCheckBox(c.Check3, this);
    m_check3->setObjectName(QStringLiteral("Check3"));
    m_check4 = qtcontrols::MakeCheckBox(c.Check4, this);
    m_check4->setObjectName(QStringLiteral("Check4"));
    m_figure = new FigureWidget(this);
    m_figure->setGeometry(rect());
    m_figure->lower();
}

// A click has set the button's value before its handler runs, as the
// handlers expect: the widget's new state goes into Form1 first.
void Form1Window::ConnectButtons()
{
    Form1Controls& c = m_form.Controls();
    const auto connectCheck = [this](QCheckBox* box, controls::CheckBox& model, void (Form1::*handler)()) {
        connect(box, &QCheckBox::clicked, this, [this, box, &model, handler] {
            model.Value = box->isChecked() ? 1 : 0;
            Handle([this, handler] { (m_form.*handler)(); });
        });
    };
    connectCheck(m_check1, c.Check1, &Form1::Check1_Click);
    connectCheck(m_check2, c.Check2, &Form1::Check2_Click);
    connectCheck(m_check3, c.Check3, &Form1::Check3_Click);
    connectCheck(m_check4, c.Check4, &Form1::Check4_Click);

    for (int index = 0; index < 2; ++index) {
        connect(m_option1[index], &QRadioButton::clicked, this, [this, &c, index] {
            for (int i = 0; i < 2; ++i)
                c.Option1[i].Value = m_option1[i]->isChecked();
            Handle([this, index] { m_form.Option1_Click(index); });
        });
    }

    connect(m_command1, &QPushButton::clicked, this, [this] { Handle([this] { m_form.Command1_Click(); }); });
}

// The figure's keys end in Form1's key handler like any other event. A key
// that repeats moves A at the keyboard's own rate, each step painted as a
// mouse move is; the description waits until the key is released.
void Form1Window::ConnectFigure()
{
    m_figure->SetKeyHandler([this](int KeyCode, int Shift, bool repeated) { return KeyDown(KeyCode, Shift, repeated); });
    connect(m_figure, &FigureWidget::keyUp, this, &Form1Window::KeyUp);
    connect(m_figure, &FigureWidget::focusChanged, this, [this] {
        m_keyRepeating = false;
        m_background.Invalidate(m_figure->FocusFrame());
        m_pacer.Update(m_figure->FocusFrame());
        DescribeLengths();
    });
}

bool Form1Window::KeyDown(int KeyCode, int Shift, bool repeated)
{
    bool taken = false;
    m_keyRepeating = repeated;
    Handle([&] { taken = m_form.Figure_KeyDown(KeyCode, Shift); });
    if (!taken)
        m_keyRepeating = false;
    return taken;
}

void Form1Window::KeyUp()
{
    m_keyRepeating = false;
    DescribeLengths();
}

void Form1Window::EndDrag()
{
    Handle([this] { m_form.Form_MouseUp(0, 0, 0, 0); });
}

namespace {

// Page Up and Page Down are the figure's wherever the focus is in the
// window: no button uses them, and they are what a presenter remote sends,
// from the moment the window opens. So are S, which steps the lesson, and
// F1, the list of keys. The buttons keep the arrow keys.
bool WindowWide(int code)
{
    return code == vbKeyPageUp || code == vbKeyPageDown || code == vbKeyS || code == vbKeyF1;
}

} // namespace

void Form1Window::keyPressEvent(QKeyEvent* event)
{
    const int code = KeyCode(event->key());
    if (!WindowWide(code) || !KeyDown(code, ShiftCode(event->modifiers()), event->isAutoRepeat()))
        QWidget::keyPressEvent(event);
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_form.KeyHelpShown())
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress && type != QEvent::TouchBegin)
        return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    Handle([this] { m_form.CloseKeyHelp(); });
    return true;
}

void Form1Window::keyReleaseEvent(QKeyEvent* event)
{
    const int code = KeyCode(event->key());
    if (WindowWide(code)) {
        if (!event->isAutoRepeat())
            KeyUp();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

template <typename Handler>
void Form1Window::Handle(Handler&& handler)
{
    handler();
    if (m_lessonSteps)
        m_lessonSteps->Update();
    m_layer.Collect(m_backDamage.Tiles(), m_damage.Tiles());
    const QRegion back = m_backDamage.Take();
    m_background.Invalidate(back);
    m_pacer.Update(back + m_damage.Take());
    // A drag is described where it ends, not at every degree on the way.
    if (m_form.State().Dragging != 1 && !m_keyRepeating)
        DescribeLengths();
}

// A changed description is announced to the screen reader (a description
// change event of the figure), so it is set only when the text changes.
void Form1Window::DescribeLengths()
{
    std::string description = FigureDescription(m_form.Controls());
    if (description == m_description)
        return;
    m_description = std::move(description);
    m_figure->setAccessibleDescription(QString::fromStdString(m_description));
}

QImage Form1Window::Picture()
{
    m_paintFocusFrame = false;
    m_background.Invalidate(m_figure->FocusFrame());
    QImage picture = grab().toImage();
    m_paintFocusFrame = true;
    m_background.Invalidate(m_figure->FocusFrame());
    return picture;
}

void Form1Window::CopyToClipboard()
{
    QGuiApplication::clipboard()->setImage(Picture());
}

void Form1Window::ResizeForm()
{
    controls::Form& form = m_form.Controls().Form1;
    form.ScaleWidth = float(width());
    // A minimized window has no client area to draw in.
    form.ScaleHeight = isMinimized() ? 0.0f : float(height());
    m_surface.Resize(size(), devicePixelRatio());
    m_damage.Resize(size());
    m_backDamage.Resize(size());
    m_figure->setGeometry(rect());
    Handle([this] { m_form.Form_Resize(); });
}

void Form1Window::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ResizeForm();
}

void Form1Window::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &Form1Window::ScreenChanged, Qt::UniqueConnection);
}

// A move to a screen of another scale is no change of size. The toolkit
// tells of the new screen before it works out the client area there, and on
// X11 it keeps the native size, which at another scale is another logical
// one: asked for its logical size again, the window keeps it, and with it
// the figure, A and the memo strokes, redrawn at the new density. The size
// is asked about the same centre, so that the window stays on this screen.
void Form1Window::ScreenChanged()
{
    m_surface.Resize(size(), devicePixelRatio());
    m_pacer.Update(rect());
    QWindow* window = windowHandle();
    if (isMinimized() || isMaximized() || isFullScreen() || window->geometry().size() == size())
        return;
    QRect kept(QPoint(), size());
    kept.moveCenter(window->geometry().center());
    window->setGeometry(kept);
}

// Minimizing and restoring change the window's state but not its size. A
// key released in another window is never seen here: losing the focus ends
// its repeat.
void Form1Window::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        KeyUp();
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (isMinimized() != bool(change->oldState() & Qt::WindowMinimized))
        ResizeForm();
}

bool Form1Window::LabelAt(QPointF point) const
{
    for (const controls::LayerItem& item : m_layer.Layer()) {
        const auto* label = std::get_if<const controls::Label*>(&item);
        if (label && (*label)->Visible && qtcontrols::LabelBox(**label).contains(point.toPoint()))
            return true;
    }
    return false;
}

void Form1Window::mousePressEvent(QMouseEvent* event)
{
    // A press anywhere on the figure gives it the keys, as a press on any
    // control would; the frame stays hidden, as the platform does for
    // pointer focus, so a drag leaves the picture as it was.
    m_figure->setFocus(Qt::MouseFocusReason);
    // The first button down decides who has the mouse until all are up.
    if (event->buttons() == event->button())
        m_pressOnLabel = LabelAt(event->position());
    if (m_pressOnLabel)
        return;
    const QPointF at = event->position();
    Handle([&] {
        m_form.Form_MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), float(at.x()), float(at.y()));
    });
}

void Form1Window::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressOnLabel)
        return;
    const QPointF at = event->position();
    Handle([&] {
        m_form.Form_MouseMove(ButtonCode(event->buttons()), ShiftCode(event->modifiers()), float(at.x()), float(at.y()));
    });
}

void Form1Window::mouseReleaseEvent(QMouseEvent* event)
{
    const bool toLabel = m_pressOnLabel;
    if (event->buttons() == Qt::NoButton)
        m_pressOnLabel = false;
    if (toLabel)
        return;
    const QPointF at = event->position();
    Handle([&] {
        m_form.Form_MouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()), float(at.x()), float(at.y()));
    });
}

void Form1Window::paintEvent(QPaintEvent* event)
{
    // The back, ready to copy: the surface, the focus band over it and the
    // layer's controls at the back (controls/layerdamage.h). Then the rest
    // of the layer. While the surface changes, as a memo is written, the
    // back would be painted again for every copy taken of it, and a painter
    // made on it at every frame leaves the heap more scattered each time:
    // the window paints from the surface itself then, and makes the back
    // again, whole, at the first paint after.
    const std::span<const controls::LayerItem> layer = m_layer.Layer();
    QPainter painter(this);
    if (m_surface.TakeChanged()) {
        m_background.Invalidate(rect());
        PaintBack(painter, event->region(), layer);
        PaintMemoOverLesson(painter, event->region());
        return;
    }
    const std::size_t front = m_layer.Front();
    m_background.Update(size(), devicePixelRatio(), [&](QPainter& back, const QRegion& stale) {
        PaintBack(back, stale, layer.first(front));
    });
    for (const QRect& area : event->region())
        m_background.CopyOnto(painter, area);
    qtcontrols::PaintLayer(painter, layer.subspan(front), event->region());
    PaintMemoOverLesson(painter, event->region());
}

// Within `area`: the surface, the focus band over it and `items` over both.
void Form1Window::PaintBack(QPainter& painter, const QRegion& area,
                            std::span<const controls::LayerItem> items) const
{
    for (const QRect& part : area)
        m_surface.PaintOn(painter, part);
    if (m_paintFocusFrame && m_figure->ShowsFocusFrame())
        m_figure->PaintFocusFrame(painter);
    qtcontrols::PaintLayer(painter, items, area);
}

// Multiplied, the surface's white leaves the panel as it is and its strokes
// darken it, as ink on paper: the teacher's notes lie over the lesson.
void Form1Window::PaintMemoOverLesson(QPainter& painter, const QRegion& area) const
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

#include "form1window.h"

#include "accessibility.h"
#include "figurewidget.h"
#include "lessonstepbuttons.h"
#include "popupmenu.h"
#include "windowinput.h"
#include "worksheetactions.h"
#include "form/readoutsummary.h"

#include "desktop/controls/buttonwidgets.h"
#include "desktop/controls/layerpainter.h"
#include "desktop/controls/optiongroup.h"
#include "desktop/controls/qtconvert.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QWindow>

#include <utility>

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

    CreateButtons();
    // The grid lines exist from here on, so the layer can list them.
    m_painting.Start(*m_figure);
    m_input = new WindowInput(*this);
    ConnectButtons();
    m_lessonSteps = std::make_unique<LessonStepButtons>(this, m_form, [this](void (Form1::*handler)()) {
        Handle([this, handler] { (m_form.*handler)(); });
    });
    m_lessonSteps->InsertInFocusChain(m_check4, m_figure);
    ConnectFigure();
    DescribeFigure();
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &Form1Window::CopyToClipboard);
    m_worksheets = new WorksheetActions(*this); // Ctrl+S and Ctrl+P
    m_menu = new PopupMenu(*this, *m_worksheets);
    connect(m_input, &WindowInput::menuRequested, m_menu, &PopupMenu::Open);
}

// Closing the window takes the focus from the figure, after this class's
// members are gone: neither the figure nor the events of the widgets that
// go with the window may reach it any more.
Form1Window::~Form1Window()
{
    disconnect(m_figure, nullptr, this, nullptr);
    delete m_input;
    m_input = nullptr;
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
    m_figure->SetKeyHandler([this](int KeyCode, int Shift, bool repeated) {
        return m_input->KeyDown(KeyCode, Shift, repeated);
    });
    connect(m_figure, &FigureWidget::keyUp, m_input, &WindowInput::KeyUp);
    connect(m_figure, &FigureWidget::focusChanged, this, [this] {
        m_painting.Invalidate(m_figure->FocusFrame());
        m_pacer.Update(m_figure->FocusFrame());
        m_input->KeyUp();
    });
}

void Form1Window::EndDrag()
{
    Handle([this] { m_form.Form_MouseUp(0, 0, 0, 0); });
}

void Form1Window::Handled()
{
    if (m_lessonSteps)
        m_lessonSteps->Update();
    m_pacer.Update(m_painting.TakeChanged());
    // A drag is described where it ends, not at every degree on the way.
    if (m_form.State().Dragging != 1 && !(m_input && m_input->KeyRepeating()))
        DescribeFigure();
    emit handled();
}

void Form1Window::ShowButtonValues()
{
    const Form1Controls& c = m_form.Controls();
    m_check1->setChecked(c.Check1.Value != 0);
    m_check2->setChecked(c.Check2.Value != 0);
    m_check3->setChecked(c.Check3.Value != 0);
    m_check4->setChecked(c.Check4.Value != 0);
}

// A changed description is announced to the screen reader (a description
// change event of the figure), so it is set only when the text changes.
void Form1Window::DescribeFigure()
{
    std::string description = FigureDescription(m_form.Controls());
    if (description == m_description)
        return;
    m_description = std::move(description);
    m_figure->setAccessibleDescription(QString::fromStdString(m_description));
}

QImage Form1Window::Picture()
{
    m_painting.PaintFocusBand(false);
    m_painting.Invalidate(m_figure->FocusFrame());
    QImage picture = grab().toImage();
    m_painting.PaintFocusBand(true);
    m_painting.Invalidate(m_figure->FocusFrame());
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
    m_painting.Resize(size());
    m_figure->setGeometry(rect());
    Handle([this] { m_form.Form_Resize(); });
    // The first resize with a client area puts A back at 74: the window
    // takes the pose it was opened at only then.
    if (m_opening && form.ScaleHeight > 0) {
        const WorksheetPose pose = *std::exchange(m_opening, std::nullopt);
        Handle([&] { ApplyPose(m_form, pose); });
        ShowButtonValues();
    }
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
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && m_input)
        m_input->KeyUp();
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (isMinimized() != bool(change->oldState() & Qt::WindowMinimized))
        ResizeForm();
}

bool Form1Window::DesignedLabelAt(QPointF point) const
{
    for (const controls::Label* label : DesignedLabels(m_form.Controls())) {
        if (label->Visible && qtcontrols::LabelBox(*label).contains(point.toPoint()))
            return true;
    }
    return false;
}

void Form1Window::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    m_painting.Paint(painter, event->region(), size(), devicePixelRatio());
}

} // namespace app

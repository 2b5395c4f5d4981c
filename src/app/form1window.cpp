#include "form1window.h"

#include "readoutsummary.h"
#include "worksheetactions.h"

#include "controls/qt/buttonwidgets.h"
#include "controls/qt/layerpainter.h"
#include "controls/qt/qtconvert.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace app {

namespace {

// The mouse buttons and shift keys as the handlers number them.
int ButtonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

Form1Window::Form1Window(QWidget* parent)
    : QWidget(parent),
      m_form(m_surface, &m_metrics)
{
    const controls::Form& form = m_form.Controls().Form1;
    setWindowTitle(qtcontrols::ToQString(form.Caption));
    // Everything is painted here, the surface first: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.SetPens(form.BackColor, form.ForeColor, form.DrawWidth);
    resize(int(form.ScaleWidth), int(form.ScaleHeight));
    m_surface.Resize(size(), devicePixelRatio());

    m_form.Form_Load();
    // The grid lines exist from here on, so the layer can list them.
    m_damage = qtcontrols::LayerDamage(MiddleLayer(m_form.Controls()));

    CreateButtons();
    ConnectButtons();

    setAccessibleName(QString::fromUtf8(FigureName));
    DescribeLengths();
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &Form1Window::CopyToClipboard);
    new WorksheetActions(*this); // Ctrl+S and Ctrl+P
}

Form1Window::~Form1Window() = default;

// The widgets are created back to front, which also makes the keyboard focus
// order that of the tab indexes.
void Form1Window::CreateButtons()
{
    const Form1Controls& c = m_form.Controls();
    m_command1 = qtcontrols::MakeCommandButton(c.Command1, this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    for (int i = 0; i < 2; ++i) {
        m_option1[i] = qtcontrols::MakeOptionButton(c.Option1[i], this);
        m_option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    }
    m_check1 = qtcontrols::MakeCheckBox(c.Check1, this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check2 = qtcontrols::MakeCheckBox(c.Check2, this);
    m_check2->setObjectName(QStringLiteral("Check2"));
    m_check3 = qtcontrols::MakeCheckBox(c.Check3, this);
    m_check3->setObjectName(QStringLiteral("Check3"));
    m_check4 = qtcontrols::MakeCheckBox(c.Check4, this);
    m_check4->setObjectName(QStringLiteral("Check4"));
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

template <typename Handler>
void Form1Window::Handle(Handler&& handler)
{
    handler();
    m_pacer.Update(m_damage.Collect());
    DescribeLengths();
}

void Form1Window::DescribeLengths()
{
    const Form1Controls& c = m_form.Controls();
    const std::array<const controls::Label*, 4> readouts{&c.Label3[1], &c.Label3[2], &c.Label4[0], &c.Label4[1]};
    bool changed = false;
    for (std::size_t i = 0; i < readouts.size(); ++i) {
        if (m_describedCaptions[i] != readouts[i]->Caption()) {
            m_describedCaptions[i] = readouts[i]->Caption();
            changed = true;
        }
    }
    if (changed)
        setAccessibleDescription(QString::fromStdString(ReadoutSummary(c)));
}

void Form1Window::CopyToClipboard()
{
    QGuiApplication::clipboard()->setImage(grab().toImage());
}

void Form1Window::ResizeForm()
{
    controls::Form& form = m_form.Controls().Form1;
    form.ScaleWidth = float(width());
    // A minimized window has no client area to draw in.
    form.ScaleHeight = isMinimized() ? 0.0f : float(height());
    m_surface.Resize(size(), devicePixelRatio());
    m_damage.Resize(size());
    Handle([this] { m_form.Form_Resize(); });
}

void Form1Window::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ResizeForm();
}

// Minimizing and restoring change the window's state but not its size.
void Form1Window::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if (isMinimized() != bool(change->oldState() & Qt::WindowMinimized))
        ResizeForm();
}

bool Form1Window::LabelAt(QPointF point) const
{
    for (const controls::LayerItem& item : m_damage.layer()) {
        const auto* label = std::get_if<const controls::Label*>(&item);
        if (label && (*label)->Visible && qtcontrols::LabelBox(**label).contains(point.toPoint()))
            return true;
    }
    return false;
}

void Form1Window::mousePressEvent(QMouseEvent* event)
{
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
    m_surface.Resize(size(), devicePixelRatio()); // in case the window moved to another screen
    QPainter painter(this);
    for (const QRect& area : event->region())
        m_surface.PaintOn(painter, area);
    qtcontrols::PaintLayer(painter, m_damage.layer(), event->region());
}

} // namespace app

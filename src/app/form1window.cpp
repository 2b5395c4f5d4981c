#include "form1window.h"

#include "controls/qt/buttonwidgets.h"
#include "controls/qt/layerpainter.h"
#include "controls/qt/qtconvert.h"

#include <QCheckBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace app {

Form1Window::Form1Window(QWidget* parent)
    : QWidget(parent),
      m_surface(*this),
      m_form(m_surface, &m_metrics)
{
    m_form.Form_Load();
    // The grid lines exist from here on, so the layer can list them.
    m_damage = qtcontrols::LayerDamage(MiddleLayer(m_form.Controls()));

    const controls::Form& form = m_form.Controls().Form1;
    setWindowTitle(qtcontrols::ToQString(form.Caption));
    // Everything is painted by us, the surface first: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);

    m_surface.SetPens(form.BackColor, form.ForeColor, form.DrawWidth);
    resize(int(form.ScaleWidth), int(form.ScaleHeight));
    m_surface.Resize(size(), devicePixelRatio());

    CreateButtons();
    ConnectButtons();
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

// A click has flipped the box before its handler runs, as the handlers
// expect; the box's new state goes into Form1 first.
void Form1Window::ConnectButtons()
{
    const auto connectCheck = [this](QCheckBox* box, controls::CheckBox& model, void (Form1::*handler)()) {
        connect(box, &QCheckBox::clicked, this, [this, box, &model, handler] {
            model.Value = box->isChecked() ? 1 : 0;
            (m_form.*handler)();
            ShowChanges();
        });
    };
    Form1Controls& c = m_form.Controls();
    connectCheck(m_check2, c.Check2, &Form1::Check2_Click);
    connectCheck(m_check3, c.Check3, &Form1::Check3_Click);
    connectCheck(m_check4, c.Check4, &Form1::Check4_Click);
}

void Form1Window::ShowChanges()
{
    const QRegion changed = m_damage.Collect();
    if (!changed.isEmpty())
        update(changed);
}

void Form1Window::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (const QRect& area : event->region()) {
        m_surface.PaintOn(painter, area);
    }
    painter.setClipRegion(event->region());
    qtcontrols::PaintLayer(painter, m_damage.layer(), event->rect());
}

} // namespace app

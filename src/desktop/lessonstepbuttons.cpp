#include "lessonstepbuttons.h"

#include "desktop/controls/buttonwidgets.h"
#include "desktop/controls/qtconvert.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace app {

namespace {

void Place(QWidget* widget, const controls::ButtonControl& control)
{
    const QRect box = QRectF(control.Left, control.Top, control.Width, control.Height).toRect();
    if (widget->geometry() != box)
        widget->setGeometry(box);
}

void Letter(QPushButton* button, const controls::ButtonControl& control)
{
    const QFont font = qtcontrols::ToQFont(control.Font);
    if (button->font() != font)
        button->setFont(font);
    Place(button, control);
}

// The step between the arrows is text, but part of the control: a press on
// it, a finger that missed an arrow, neither turns A nor draws.
class StepText : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
};

} // namespace

LessonStepButtons::LessonStepButtons(QWidget* window, Form1& form,
                                     std::function<void(void (Form1::*)())> handle)
    : m_form(form)
{
    const figure::LessonStepControl& steps = form.Controls().Lesson.Steps;
    const auto make = [&](const controls::CommandButton& control, const char* name, const char* objectName,
                          void (Form1::*handler)()) {
        QPushButton* widget = qtcontrols::MakeCommandButton(control, window);
        widget->setObjectName(QString::fromLatin1(objectName));
        widget->setAccessibleName(QString::fromUtf8(name));
        widget->hide();
        QObject::connect(widget, &QPushButton::clicked, window, [handle, handler] { handle(handler); });
        return widget;
    };
    m_back = make(steps.Back, figure::LessonBackName, "LessonBack", &Form1::LessonBack_Click);
    m_step = new StepText(window);
    m_step->setObjectName(QStringLiteral("LessonStep"));
    m_step->setAlignment(Qt::AlignCenter);
    m_step->hide();
    m_next = make(steps.Next, figure::LessonNextName, "LessonNext", &Form1::LessonNext_Click);
    m_end = make(steps.End, figure::LessonEndName, "LessonEnd", &Form1::LessonEnd_Click);
}

void LessonStepButtons::Update()
{
    const figure::LessonStepControl& steps = m_form.Controls().Lesson.Steps;
    if (!steps.Visible) {
        if (m_shown) {
            for (QWidget* widget : {static_cast<QWidget*>(m_back), static_cast<QWidget*>(m_step),
                                    static_cast<QWidget*>(m_next), static_cast<QWidget*>(m_end)})
                widget->hide();
            m_shown = false;
        }
        return;
    }
    m_back->setText(qtcontrols::ToQString(steps.Back.Caption));
    m_next->setText(qtcontrols::ToQString(steps.Next.Caption));
    m_end->setText(qtcontrols::ToQString(steps.End.Caption));
    Letter(m_back, steps.Back);
    Letter(m_next, steps.Next);
    Letter(m_end, steps.End);
    const QString step = qtcontrols::ToQString(steps.Step.Caption);
    if (m_step->text() != step)
        m_step->setText(step);
    const QFont font = qtcontrols::ToQFont(steps.Step.Font);
    if (m_step->font() != font)
        m_step->setFont(font);
    Place(m_step, steps.Step);
    if (!m_shown) {
        for (QWidget* widget : {static_cast<QWidget*>(m_back), static_cast<QWidget*>(m_step),
                                static_cast<QWidget*>(m_next), static_cast<QWidget*>(m_end)}) {
            widget->show();
            widget->raise();
        }
        m_shown = true;
    }
}

void LessonStepButtons::InsertInFocusChain(QWidget* before, QWidget* after) const
{
    QWidget::setTabOrder(before, m_back);
    QWidget::setTabOrder(m_back, m_next);
    QWidget::setTabOrder(m_next, m_end);
    QWidget::setTabOrder(m_end, after);
}

} // namespace app

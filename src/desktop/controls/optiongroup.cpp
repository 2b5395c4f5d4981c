#include "optiongroup.h"

#include "controls/shape.h"

namespace qtcontrols {

OptionGroup::OptionGroup(const controls::Shape& panel, QWidget* parent)
    : QWidget(parent),
      m_panel(QRectF(panel.Left, panel.Top, panel.Width, panel.Height).toRect())
{
    setGeometry(0, 0, m_panel.right() + 1, m_panel.bottom() + 1);
}

void OptionGroup::FitToButtons()
{
    QRegion buttons;
    for (const QWidget* button : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        buttons += button->geometry();
    setMask(buttons);
}

} // namespace qtcontrols

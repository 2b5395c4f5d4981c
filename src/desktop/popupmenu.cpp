#include "popupmenu.h"

#include "form1window.h"
#include "worksheetactions.h"
#include "form/figuremenu.h"

#include "desktop/controls/qtconvert.h"

#include <QMenu>

namespace app {

PopupMenu::PopupMenu(Form1Window& window, WorksheetActions& worksheets)
    : QObject(&window), m_window(window), m_worksheets(worksheets)
{
}

void PopupMenu::Open(QPoint global)
{
    auto* menu = new QMenu(&m_window);
    menu->setObjectName(QStringLiteral("figureMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // In the buttons' Gothic, each entry tall enough for a finger (44
    // pixels) on a touch board.
    menu->setFont(qtcontrols::ToQFont(m_window.form().Controls().Command1.Font));
    menu->setStyleSheet(QStringLiteral("QMenu::item { padding: 12px 28px 12px 20px; }"));
    for (const FigureMenuEntry& entry : FigureMenu(m_window.form().Controls())) {
        QAction* action = menu->addAction(qtcontrols::ToQString(entry.Caption));
        action->setEnabled(entry.Enabled);
        const FigureCommand command = entry.Command;
        connect(action, &QAction::triggered, this, [this, command] {
            if (command == FigureCommand::Save)
                m_worksheets.Save();
            else if (command == FigureCommand::Print)
                m_worksheets.Print();
            else
                m_window.Handle([this, command] { m_window.form().Menu_Click(command); });
        });
    }
    menu->popup(global);
}

} // namespace app

#pragma once

#include <QObject>
#include <QPoint>

namespace app {

class Form1Window;
class WorksheetActions;

// The figure's menu on the desktop: the entries Form1 gives
// (form/figuremenu.h) as a toolkit menu, which keyboards, screen readers
// and fingers work as any menu. The lesson's and the list's entries run in
// Form1; saving and printing open the window's own dialogs.
class PopupMenu : public QObject {
    Q_OBJECT

public:
    PopupMenu(Form1Window& window, WorksheetActions& worksheets);

    // Opens the menu at `global`, a point of the screen. It closes itself.
    void Open(QPoint global);

private:
    Form1Window& m_window;
    WorksheetActions& m_worksheets;
};

} // namespace app

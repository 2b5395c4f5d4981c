#include "figuremenu.h"

namespace app {

std::array<FigureMenuEntry, FigureMenuEntries> FigureMenu(const Form1Controls& c)
{
    const bool lessonOn = c.Lesson.Step > 0;
    // A worksheet of a client area without width or height would be a page of nothing.
    const bool figure = c.Form1.ScaleWidth >= 1 && c.Form1.ScaleHeight >= 1;
    return {{
        lessonOn ? FigureMenuEntry{FigureCommand::EndLesson, "授業を終える", true}
                 : FigureMenuEntry{FigureCommand::StartLesson, "授業を始める", true},
        {FigureCommand::ShowKeys, "キー一覧", true},
        {FigureCommand::Save, "保存…", figure},
        {FigureCommand::Print, "印刷…", figure},
    }};
}

} // namespace app

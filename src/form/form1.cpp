#include "form1.h"

#include "figure/grid.h"
#include "figure/initialfigure.h"
#include "figure/lengths.h"
#include "figure/lesson.h"
#include "figure/movevertex.h"

#include "controls/surface.h"

#include "keycodes.h"

namespace app {

Form1::Form1(controls::Surface& surface, const controls::TextMetrics* metrics)
    : m_controls(DescribeForm1()),
      m_figure{m_controls.Form1, m_controls.Line1, m_controls.Line2, m_controls.Line3,
               m_controls.Line5, m_controls.Line6, m_controls.Label1, m_controls.Label3,
               m_controls.Label4, m_controls.Check2, m_controls.Check3, m_controls.Check4, &m_controls.Lesson},
      m_surface(surface)
{
    for (controls::Label& label : m_controls.Label1)
        label.SetMetrics(metrics);
    m_controls.Label2.SetMetrics(metrics);
    for (controls::Label& label : m_controls.Label3)
        label.SetMetrics(metrics);
    for (controls::Label& label : m_controls.Label4)
        label.SetMetrics(metrics);
    PrepareLesson(metrics);
}

// The lesson's texts are measured as the figure's, in its face; the panel
// keeps clear of the buttons, which never move.
void Form1::PrepareLesson(const controls::TextMetrics* metrics)
{
    figure::LessonControls& lesson = m_controls.Lesson;
    lesson.Metrics = metrics;
    lesson.Font = m_controls.Label1[0].Font;
    for (controls::Label& label : lesson.Text)
        label.SetMetrics(metrics);
    KeyHelp& help = m_controls.Help;
    help.Title.SetMetrics(metrics);
    for (auto* labels : {&help.Keys, &help.Actions}) {
        for (controls::Label& label : *labels)
            label.SetMetrics(metrics);
    }
    const auto box = [](float left, float top, float width, float height) {
        return controls::PixelRect{int(left), int(top), int(left + width), int(top + height)};
    };
    const controls::ButtonControl* buttons[] = {&m_controls.Command1, &m_controls.Check1, &m_controls.Check2,
                                                &m_controls.Check3, &m_controls.Check4};
    for (const controls::ButtonControl* b : buttons)
        lesson.Keepout.push_back(box(b->Left, b->Top, b->Width, b->Height));
    const controls::Shape& panel = m_controls.Shape1; // behind the option buttons
    lesson.Keepout.push_back(box(panel.Left, panel.Top, panel.Width, panel.Height));
}

// Start-up: the grid step, the 40 grid lines created at run time, the whole
// grid placed and shown, and the initial figure.
void Form1::Form_Load()
{
    m_state.GridUnit = m_controls.Form1.ScaleHeight / 10;

    for (int k = 1; k < figure::HorizontalGridLines; ++k)
        m_controls.Line5.Load(k);
    for (int k = 1; k < figure::VerticalGridLines; ++k)
        m_controls.Line6.Load(k);
    figure::LayOutGrid(m_state, m_figure);

    m_state.GridShown = 1;
    figure::ResetFigure(m_state, m_figure);
}

void Form1::Form_Resize()
{
    m_surface.Cls();
    figure::ResetFigure(m_state, m_figure);
    if (KeyHelpShown())
        ShowKeys();
}

void Form1::Form_MouseDown(int Button, int /*Shift*/, float X, float Y)
{
    // A second button pressed during a drag makes it no click.
    m_pressStill = m_state.Dragging != 1;
    m_clickStill = false;
    if (m_pressStill)
        m_pressButton = Button;
    m_state.Dragging = 1;
    m_state.LastX = X;
    m_state.LastY = Y;
}

// In move mode a step to the left raises AngleA, which turns A towards B;
// any other step, straight up or down included, lowers it. The difference is
// formed in single precision, like the positions.
//
// This program's own decision: a move is a change of position. A report at
// the very place of the last one (a pen whose pressure alone changed, a
// hand resting on it, a mouse that reports itself without moving) is no
// move: it turns A neither way, draws nothing and leaves LastX and LastY as
// they are. Counted as a step that is not to the left, a pen held still
// would turn A towards C by itself.
void Form1::Form_MouseMove(int /*Button*/, int /*Shift*/, float X, float Y)
{
    if (m_state.Dragging != 1 || (X == m_state.LastX && Y == m_state.LastY))
        return;
    m_pressStill = false;
    if (m_controls.Option1[0].Value) {
        const float step = X - m_state.LastX;
        if (step < 0)
            ++m_state.AngleA;
        else
            --m_state.AngleA;
        figure::MoveVertexA(m_state, m_figure);
    } else {
        m_surface.Line(m_state.LastX, m_state.LastY, X, Y);
    }
    m_state.LastX = X;
    m_state.LastY = Y;
}

// A release with no drag to end (its press was a label's, or a reset ended
// the drag) is no click.
void Form1::Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    m_clickStill = m_state.Dragging == 1 && m_pressStill;
    m_pressStill = false;
    m_state.Dragging = 0;
}

// A key steps A exactly as a move of the mouse does, but never touches the
// drag: a key pressed while a button is held leaves Dragging, LastX and
// LastY to the mouse. In memo mode the keys that move A take no part, since a
// key has no path to draw. Ctrl and Alt combinations belong to the window,
// not the figure.
bool Form1::Figure_KeyDown(int KeyCode, int Shift)
{
    if (KeyHelpShown()) {
        CloseKeyHelp();
        return true;
    }
    if (Shift & (vbCtrlMask | vbAltMask))
        return false;
    const bool shifted = (Shift & vbShiftMask) != 0;
    const bool lessonOn = LessonStep() > 0;
    int step = 0;
    switch (KeyCode) {
    case vbKeyS:
        SetLessonStep(LessonStep() + (shifted ? -1 : 1));
        return true;
    case vbKeyF5:
        if (!shifted || !lessonOn)
            SetLessonStep(1);
        return true;
    case vbKeyEscape:
        if (!lessonOn)
            return false;
        SetLessonStep(0);
        return true;
    case vbKeyF1:
        ShowKeys();
        return true;
    case vbKeyPageUp:
    case vbKeyPageDown:
        // A remote's next and back: the lesson's while it is on, one step
        // each, Shift or not.
        if (lessonOn) {
            SetLessonStep(LessonStep() + (KeyCode == vbKeyPageDown ? 1 : -1));
            return true;
        }
        step = KeyCode == vbKeyPageUp ? 1 : -1;
        break;
    case vbKeyLeft:
        step = 1;
        break;
    case vbKeyRight:
        step = -1;
        break;
    case vbKeyHome:
        Command1_Click();
        return true;
    default:
        return false;
    }
    if (!m_controls.Option1[0].Value)
        return true;
    // Ten single steps, not one of ten degrees: each is a move of the mouse.
    const int steps = shifted ? 10 : 1;
    for (int i = 0; i < steps; ++i) {
        m_state.AngleA += step;
        figure::MoveVertexA(m_state, m_figure);
    }
    return true;
}

bool Form1::RightClickOpensMenu(int Button) const
{
    return Button == vbRightButton && m_pressButton == vbRightButton && m_clickStill;
}

bool Form1::LongPressOpensMenu() const
{
    return m_state.Dragging == 1 && m_pressStill;
}

bool Form1::Menu_Click(FigureCommand command)
{
    switch (command) {
    case FigureCommand::StartLesson:
        SetLessonStep(1);
        return true;
    case FigureCommand::EndLesson:
        SetLessonStep(0);
        return true;
    case FigureCommand::ShowKeys:
        ShowKeys();
        return true;
    case FigureCommand::Save:
    case FigureCommand::Print:
        break;
    }
    return false;
}

// Choosing either mode erases the memo.
void Form1::Option1_Click(int /*Index*/)
{
    m_surface.Cls();
}

// Goes by GridShown, not by the box: a reset shows the grid without touching
// either, and the next click then shows it once more and ticks the flag.
void Form1::Check1_Click()
{
    if (m_state.GridShown == 0) {
        figure::ShowGrid(m_figure, true);
        m_state.GridShown = 1;
        m_surface.Refresh();
    } else {
        figure::ShowGrid(m_figure, false);
        m_state.GridShown = 0;
    }
}

// The lesson keeps clear of the read-outs that are shown.
void Form1::Check2_Click()
{
    figure::Check2_Click(m_figure);
    figure::UpdateLesson(m_state, m_figure);
}

void Form1::Check3_Click()
{
    figure::Check3_Click(m_figure);
    figure::UpdateLesson(m_state, m_figure);
}

void Form1::Check4_Click()
{
    figure::Check4_Click(m_figure);
    figure::UpdateLesson(m_state, m_figure);
}

// The memo stays: the figure returns to its place over it.
void Form1::Command1_Click()
{
    figure::ResetFigure(m_state, m_figure);
}

void Form1::SetLessonStep(int step)
{
    figure::SetLessonStep(m_state, m_figure, step);
}

void Form1::LessonBack_Click()
{
    SetLessonStep(LessonStep() - 1);
}

void Form1::LessonNext_Click()
{
    SetLessonStep(LessonStep() + 1);
}

void Form1::LessonEnd_Click()
{
    SetLessonStep(0);
}

void Form1::ShowKeys()
{
    ShowKeyHelp(m_controls.Help, m_controls.Form1, m_controls.Lesson.Keepout, m_controls.Command1.Font,
                m_controls.Lesson.Metrics, !m_controls.Option1[0].Value);
}

void Form1::CloseKeyHelp()
{
    HideKeyHelp(m_controls.Help);
}

} // namespace app

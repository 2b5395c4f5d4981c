#pragma once

#include "figuremenu.h"
#include "form1controls.h"

#include "figure/figurecontrols.h"
#include "figure/figurestate.h"

namespace controls {
class Surface;
class TextMetrics;
} // namespace controls

namespace app {

// The lesson's last step; 0 is off.
inline constexpr int LessonLastStep = figure::LessonLastStep;

// The main window as the program sees it: its controls, the figure state and
// the event handlers. It knows no toolkit; the on-screen window feeds it
// events and paints what it holds.
class Form1 {
public:
    // `metrics` sizes the labels to their captions; null keeps the design sizes.
    Form1(controls::Surface& surface, const controls::TextMetrics* metrics);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    [[nodiscard]] Form1Controls& Controls() { return m_controls; }
    [[nodiscard]] const Form1Controls& Controls() const { return m_controls; }
    [[nodiscard]] figure::FigureState& State() { return m_state; }
    [[nodiscard]] const figure::FigureState& State() const { return m_state; }
    // The controls the figure works on.
    [[nodiscard]] figure::FigureControls& Figure() { return m_figure; }

    // Runs once, before the window is first shown.
    void Form_Load();

    // When the window is first shown and whenever its client size or state
    // changes, minimizing and restoring included: ScaleWidth and ScaleHeight
    // already hold the new client area.
    void Form_Resize();

    // The mouse on the window, in pixels of the client area. Every button
    // and shift state acts alike: a press starts a drag, a release of any
    // button ends it, and each move of a drag to a new position turns A by
    // one degree or draws one memo segment. While a button pressed on the
    // window is held, moves keep coming from wherever the pointer is.
    void Form_MouseDown(int Button, int Shift, float X, float Y);
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Form_MouseUp(int Button, int Shift, float X, float Y);

    // A key for the figure, in the codes of keycodes.h: any key while the
    // figure has the keyboard focus, and the presenter's and the lesson's
    // keys from wherever else a front end takes them (Page Up and Page Down
    // wherever the focus is in the window, what a remote sends). In
    // move mode Left acts as one move of the mouse to the left and Right as
    // one to the right, ten of them with Shift; Home presses the reset
    // button. F5 starts the lesson at its first step, as a slide show starts
    // (Shift+F5 where it is, once on), Esc ends it; while it is on, Page Down
    // and Page Up step it on and back, and otherwise act as Right and Left. S
    // and Shift+S step the lesson on and back, and F1 shows the list of keys,
    // all in either mode; while the list is shown, any key only closes it.
    // Returns whether the key is one of the figure's, so that a front end
    // gives it to nothing else: Esc is not while the lesson is off.
    bool Figure_KeyDown(int KeyCode, int Shift);

    // Whether the press now held, or the one Form_MouseUp has just ended,
    // opens the figure's menu (figuremenu.h). A right click does when it was
    // the only button and nothing moved between its press and its release; a
    // finger or pen, once it has rested LongPressMilliseconds on the figure
    // with no move. A press that turned A or drew ink never does.
    [[nodiscard]] bool RightClickOpensMenu(int Button) const;
    [[nodiscard]] bool LongPressOpensMenu() const;

    // A command of the figure's menu. Runs those that are Form1's (the
    // lesson, the list of keys) and returns true; saving and printing are
    // the front end's, with its own dialogs, and it returns false for them.
    bool Menu_Click(FigureCommand command);

    // The lesson over the figure: step 0 (off, as the program starts) to 9.
    [[nodiscard]] int LessonStep() const { return m_controls.Lesson.Step; }
    void SetLessonStep(int step);
    // The step control at the head of the lesson's panel: a step back, a
    // step on, and the end of the lesson.
    void LessonBack_Click();
    void LessonNext_Click();
    void LessonEnd_Click();

    // The list of keys F1 shows. A front end closes it on any key or click
    // anywhere in the window, which then does nothing else.
    [[nodiscard]] bool KeyHelpShown() const { return m_controls.Help.Shown; }
    void CloseKeyHelp();

    // The buttons, after a click has set their Value.
    void Option1_Click(int Index);
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Command1_Click();

private:
    void PrepareLesson(const controls::TextMetrics* metrics);
    void ShowKeys();

    Form1Controls m_controls;
    figure::FigureState m_state;
    figure::FigureControls m_figure;
    controls::Surface& m_surface;
    // The button that started the drag, whether the drag is still where it
    // began, and whether the last release ended such a drag.
    int m_pressButton = 0;
    bool m_pressStill = false;
    bool m_clickStill = false;
};

} // namespace app

#pragma once

#include "form/form1.h"

#include <functional>

class QLabel;
class QPushButton;
class QWidget;

namespace app {

// The lesson's step control as the window's own widgets: 「◀」, the step
// as text, 「▶」 and 「✕」, where the panel has them. Being widgets, they
// take a finger, a pen or a click themselves (a press on them never starts
// a drag or a memo), the keyboard's focus in turn, and a screen reader's
// Press; it hears them named 「前へ」, 「次へ」 and 「授業を終える」, and the
// step as text. Hidden while the lesson is off.
class LessonStepButtons {
public:
    // `handle` runs one of Form1's step control handlers, as the window runs
    // every handler.
    LessonStepButtons(QWidget* window, Form1& form, std::function<void(void (Form1::*)())> handle);

    // Shows, places and letters the widgets as the step control now stands.
    void Update();

    // Tab reaches the buttons between `before` and `after`.
    void InsertInFocusChain(QWidget* before, QWidget* after) const;

private:
    const Form1& m_form;
    QPushButton* m_back = nullptr;
    QLabel* m_step = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_end = nullptr;
    bool m_shown = false;
};

} // namespace app

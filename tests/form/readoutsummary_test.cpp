#include "form/keycodes.h"
#include "form/readoutsummary.h"

#include "support/openedform.h"

#include <gtest/gtest.h>

namespace {

void Tick(OpenedForm& f, controls::CheckBox& box, void (app::Form1::*handler)())
{
    box.Value = 1 - box.Value;
    (f.form.*handler)();
}

} // namespace

// Only what the class can read: BC's own "５cm" with the three sides, in the
// captions' numbers, and no read-out whose box is cleared.
TEST(ReadoutSummary, namesTheShownReadoutsInTheirCaptionsNumbers)
{
    OpenedForm f;
    app::Form1Controls& c = f.form.Controls();
    EXPECT_EQ(app::ReadoutSummary(c), "長さは表示されていません");

    Tick(f, c.Check2, &app::Form1::Check2_Click);
    EXPECT_EQ(app::ReadoutSummary(c), "BC ５cm、AB 4cm、AC 3cm");
    Tick(f, c.Check4, &app::Form1::Check4_Click);
    EXPECT_EQ(app::ReadoutSummary(c), "BC ５cm、AB 4cm、AC 3cm、BD 3.2cm");
    Tick(f, c.Check2, &app::Form1::Check2_Click);
    Tick(f, c.Check3, &app::Form1::Check3_Click);
    EXPECT_EQ(app::ReadoutSummary(c), "AD 2.4cm、BD 3.2cm");
    // The figure's description goes on with what the lesson's panel says,
    // and only that: in the window as designed, with the read-outs shown,
    // step 3 has room for the relation, not for the reason and the degrees,
    // which the arcs show.
    EXPECT_EQ(app::FigureDescription(c), "AD 2.4cm、BD 3.2cm");
    f.form.SetLessonStep(3);
    EXPECT_EQ(app::FigureDescription(c), "AD 2.4cm、BD 3.2cm。△ABC ∽ △DBA ∽ △DAC。ABの2乗 ＝ BD × BC。"
                                         "ABの2乗 ＝ 4 × 4 ＝ 16。BD × BC ＝ 3.2 × 5 ＝ 16");
    f.form.SetLessonStep(0);

    // At 10 degrees the values below one centimetre keep their "0".
    for (int i = 0; i < 64; ++i)
        f.form.Figure_KeyDown(app::vbKeyRight, 0);
    EXPECT_EQ(app::ReadoutSummary(c), "AD 0.4cm、BD 5cm");
}

// A read-out outside the client area cannot be read, and a minimized window
// shows nothing at all.
TEST(ReadoutSummary, leavesOutReadoutsBeyondTheClientArea)
{
    OpenedForm f;
    app::Form1Controls& c = f.form.Controls();
    Tick(f, c.Check2, &app::Form1::Check2_Click);
    c.Label3[1].Left = -c.Label3[1].Width() - 1;
    c.Label3[2].Left = c.Form1.ScaleWidth - 1; // one pixel of it is in
    EXPECT_EQ(app::ReadoutSummary(c), "BC ５cm、AC 3cm");

    c.Form1.ScaleHeight = 0;
    f.form.Form_Resize();
    EXPECT_EQ(app::ReadoutSummary(c), "長さは表示されていません");
}

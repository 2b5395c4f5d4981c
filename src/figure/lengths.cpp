#include "lengths.h"

#include "figurecontrols.h"
#include "figurestate.h"
#include "readouttext.h"

#include <cmath>

namespace figure {

namespace {

double Distance(double dx, double dy)
{
    return std::sqrt(dx * dx + dy * dy);
}

void WriteLength(controls::Label& readout, double length, float gridUnit)
{
    readout.SetCaption(TenthsCaption(ReadoutTenths(length, gridUnit)).View());
}

} // namespace

SideLengths MeasureSides(const FigureState& s)
{
    return {Distance(s.Ax - s.Bx, s.Ay - s.By), Distance(s.Ax - s.Cx, s.Ay - s.Cy), Distance(0, s.Ay - s.By),
            Distance(s.Ax - s.Bx, 0)};
}

// The steps keep their order: a read-out's size is read back right after its
// caption is written, so the AB read-out always ends 25 pixels left of the
// middle of AB, and the BD read-out moves by half of the AB read-out's width.
void UpdateLengths(const FigureState& s, FigureControls& c)
{
    if (!HasScale(s))
        return;

    const auto [AB, AC, AD, BD] = MeasureSides(s);
    const double unit = s.GridUnit;

    controls::Label& bc = c.Label3[0];
    controls::Label& ab = c.Label3[1];
    controls::Label& ac = c.Label3[2];
    controls::Label& ad = c.Label4[0];
    controls::Label& bd = c.Label4[1];

    // BC: centred under the middle of BC, its bottom edge a grid step below it.
    bc.Left = double(c.Form1.ScaleWidth) / 2 - double(bc.Width()) / 2;
    bc.Top = (s.By + unit) - double(bc.Height());

    // AB: ending 25 left of the middle of AB, centred on it vertically.
    WriteLength(ab, AB, s.GridUnit);
    ab.Left = (s.Ax + s.Bx) / 2 - 25 - double(ab.Width());
    ab.Top = (s.Ay + s.By) / 2 - double(ab.Height()) / 2;

    // AC: starting 15 right of the middle of AC, centred on it vertically.
    WriteLength(ac, AC, s.GridUnit);
    ac.Left = (s.Ax + s.Cx) / 2 + 15;
    ac.Top = (s.Ay + s.Cy) / 2 - double(ac.Height()) / 2;

    // AD: right of the altitude, just below the AC read-out.
    ad.Left = s.Ax + 5;
    ad.Top = (s.Ay + s.Cy) / 2 + double(ac.Height()) / 2;
    WriteLength(ad, AD, s.GridUnit);

    // BD: about the middle of BD, its bottom edge 5 above BC.
    bd.Left = (s.Ax + s.Bx) / 2 - double(ab.Width()) / 2;
    bd.Top = (s.By - double(bd.Height())) - 5;
    WriteLength(bd, BD, s.GridUnit);
}

void Check2_Click(FigureControls& c)
{
    const bool shown = c.Check2.Value != 0;
    for (int i = 0; i < 3; ++i)
        c.Label3[i].Visible = shown;
}

void Check3_Click(FigureControls& c)
{
    c.Label4[0].Visible = c.Check3.Value != 0;
}

void Check4_Click(FigureControls& c)
{
    c.Label4[1].Visible = c.Check4.Value != 0;
}

} // namespace figure

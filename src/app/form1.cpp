#include "form1.h"

#include "figure/grid.h"
#include "figure/initialfigure.h"
#include "figure/lengths.h"

namespace app {

Form1::Form1(controls::Surface& surface, const controls::TextMetrics* metrics)
    : m_controls(DescribeForm1()),
      m_figure{m_controls.Form1, m_controls.Line1, m_controls.Line2, m_controls.Line3,
               m_controls.Line5, m_controls.Line6, m_controls.Label1, m_controls.Label3,
               m_controls.Label4, m_controls.Check2, m_controls.Check3, m_controls.Check4},
      m_surface(surface)
{
    for (controls::Label& label : m_controls.Label1)
        label.SetMetrics(metrics);
    m_controls.Label2.SetMetrics(metrics);
    for (controls::Label& label : m_controls.Label3)
        label.SetMetrics(metrics);
    for (controls::Label& label : m_controls.Label4)
        label.SetMetrics(metrics);
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

void Form1::Check2_Click()
{
    figure::Check2_Click(m_figure);
}

void Form1::Check3_Click()
{
    figure::Check3_Click(m_figure);
}

void Form1::Check4_Click()
{
    figure::Check4_Click(m_figure);
}

} // namespace app

#pragma once

#include "stormmodel.h"

#include "desktop/form1window.h"

#include <QCheckBox>
#include <QString>

#include <cmath>
#include <limits>
#include <utility>

namespace stress {

namespace detail {

inline QString Number(double value)
{
    return QString::number(value, 'g', 17);
}

inline QString NotFinite(const app::Form1Controls& c)
{
    const std::pair<const char*, const controls::ControlArray<controls::Line>*> lines[] = {
        {"Line1", &c.Line1}, {"Line2", &c.Line2}, {"Line3", &c.Line3}, {"Line5", &c.Line5}, {"Line6", &c.Line6}};
    for (const auto& [name, array] : lines) {
        for (int i = 0; i < array->Count(); ++i) {
            const controls::Line& l = (*array)[i];
            for (float v : {l.X1, l.Y1, l.X2, l.Y2}) {
                if (!std::isfinite(v))
                    return QStringLiteral("%1(%2) has a coordinate that is not finite: %3").arg(name).arg(i).arg(Number(v));
            }
        }
    }
    const std::pair<const char*, const controls::ControlArray<controls::Label>*> labels[] = {
        {"Label1", &c.Label1}, {"Label3", &c.Label3}, {"Label4", &c.Label4}};
    for (const auto& [name, array] : labels) {
        for (int i = 0; i < array->Count(); ++i) {
            const controls::Label& l = (*array)[i];
            if (!std::isfinite(l.Left) || !std::isfinite(l.Top))
                return QStringLiteral("%1(%2) stands at (%3, %4)").arg(name).arg(i).arg(Number(l.Left), Number(l.Top));
        }
    }
    return {};
}

// The client area, and what every rebuild derives from it alone: nothing but
// a rebuild changes these, so they hold at all times.
inline QString OffScale(const app::Form1Window& window)
{
    const controls::Form& form = window.form().Controls().Form1;
    const figure::FigureState& s = window.form().State();
    const float width = float(window.width());
    const float height = window.isMinimized() ? 0.0f : float(window.height());
    if (form.ScaleWidth != width || form.ScaleHeight != height)
        return QStringLiteral("the scale is %1 x %2 in a %3 x %4 client area%5")
            .arg(Number(form.ScaleWidth), Number(form.ScaleHeight)).arg(window.width()).arg(window.height())
            .arg(window.isMinimized() ? QStringLiteral(", minimized") : QString());
    const double by = (4.0 / 5.0) * double(form.ScaleHeight);
    if (s.By != by || s.Cy != by)
        return QStringLiteral("By = %1 and Cy = %2, not %3").arg(Number(s.By), Number(s.Cy), Number(by));
    if (s.GridUnit != form.ScaleHeight / 10)
        return QStringLiteral("GridUnit = %1 for a scale height of %2").arg(Number(s.GridUnit), Number(form.ScaleHeight));
    return {};
}

// A is where the circle of radius 5 GridUnit about the middle of BC puts it.
// Ax and Ay each come from a sine or cosine (within an ulp), a product and a
// sum, and the test's own differences and hypot add a rounding or two more:
// some eight roundings of numbers no larger than the radius plus the middle's
// coordinates. Eight units of double rounding of that sum cover them all; a
// misplaced A is off by a good part of a pixel.
inline QString OffCircle(const app::Form1Controls& c, const figure::FigureState& s)
{
    const double middle = double(c.Form1.ScaleWidth) / 2;
    const double radius = 5 * double(s.GridUnit);
    const double distance = std::hypot(s.Ax - middle, s.Ay - s.By);
    const double tolerance = 8 * std::numeric_limits<double>::epsilon() * (radius + middle + std::abs(s.By));
    if (!(std::abs(distance - radius) <= tolerance))
        return QStringLiteral("A = (%1, %2) lies %3 from the middle of BC, not %4")
            .arg(Number(s.Ax), Number(s.Ay), Number(distance), Number(radius));
    return {};
}

inline QString OffModel(const FigureModel& model, const app::Form1Controls& c, const figure::FigureState& s,
                        bool rebuilt)
{
    if ((s.Dragging != 0 && s.Dragging != 1) || (s.GridShown != 0 && s.GridShown != 1))
        return QStringLiteral("Dragging = %1, GridShown = %2").arg(s.Dragging).arg(s.GridShown);
    if (rebuilt && (s.AngleA != 74 || s.Dragging != 0))
        return QStringLiteral("after a rebuild AngleA = %1 and Dragging = %2").arg(s.AngleA).arg(s.Dragging);
    if (s.AngleA != model.angle || s.Dragging != int(model.dragging))
        return QStringLiteral("AngleA = %1 and Dragging = %2 where the rules give %3 and %4")
            .arg(s.AngleA).arg(s.Dragging).arg(model.angle).arg(int(model.dragging));
    if (s.GridShown != model.gridShown)
        return QStringLiteral("GridShown = %1 where the rules give %2").arg(s.GridShown).arg(model.gridShown);
    if (c.Line5.Count() != 11 || c.Line6.Count() != 31)
        return QStringLiteral("%1 and %2 grid lines").arg(c.Line5.Count()).arg(c.Line6.Count());
    for (const auto* array : {&c.Line5, &c.Line6}) {
        for (int i = 0; i < array->Count(); ++i) {
            if ((*array)[i].Visible != model.gridVisible)
                return QStringLiteral("Line%1(%2) is %3 where the rules %4 the grid")
                    .arg(array == &c.Line5 ? 5 : 6).arg(i)
                    .arg((*array)[i].Visible ? QStringLiteral("shown") : QStringLiteral("hidden"),
                         model.gridVisible ? QStringLiteral("show") : QStringLiteral("hide"));
        }
    }
    return {};
}

// A client area without height still gets a surface of one pixel row.
inline QString OffSurface(const app::Form1Window& window)
{
    const QSize expected = (QSizeF(window.size()) * window.devicePixelRatio()).toSize().expandedTo(QSize(1, 1));
    const QSize actual = window.surfaceImage().size();
    if (actual != expected)
        return QStringLiteral("the surface is %1 x %2 for a %3 x %4 client area")
            .arg(actual.width()).arg(actual.height()).arg(window.width()).arg(window.height());
    return {};
}

inline QString OffReadouts(const app::Form1Window& window, const FigureModel& model)
{
    const app::Form1Controls& c = window.form().Controls();
    bool ticked[4];
    for (int i = 0; i < 4; ++i) {
        ticked[i] = window.findChild<QCheckBox*>(QStringLiteral("Check%1").arg(i + 1))->isChecked();
        if (ticked[i] != model.ticked[i])
            return QStringLiteral("Check%1 is %2 after the clicks it had").arg(i + 1).arg(ticked[i] ? "ticked" : "clear");
    }
    const bool shown[5] = {c.Label3[0].Visible, c.Label3[1].Visible, c.Label3[2].Visible, c.Label4[0].Visible,
                           c.Label4[1].Visible};
    const bool expected[5] = {ticked[1], ticked[1], ticked[1], ticked[2], ticked[3]};
    const char* const names[5] = {"Label3(0)", "Label3(1)", "Label3(2)", "Label4(0)", "Label4(1)"};
    for (int i = 0; i < 5; ++i) {
        if (shown[i] != expected[i])
            return QStringLiteral("%1 is %2 while its box is %3")
                .arg(names[i], shown[i] ? "shown" : "hidden", expected[i] ? "ticked" : "clear");
    }
    return {};
}

} // namespace detail

// What is wrong with the window after an event, or nothing. `rebuilt` says
// that the event ended with a rebuild of the figure.
[[nodiscard]] inline QString BrokenInvariant(const app::Form1Window& window, const FigureModel& model, bool rebuilt)
{
    const app::Form1Controls& c = window.form().Controls();
    const figure::FigureState& s = window.form().State();
    for (const QString& broken : {detail::NotFinite(c), detail::OffScale(window), detail::OffCircle(c, s),
                                  detail::OffModel(model, c, s, rebuilt), detail::OffSurface(window),
                                  detail::OffReadouts(window, model)}) {
        if (!broken.isEmpty())
            return broken;
    }
    return {};
}

} // namespace stress

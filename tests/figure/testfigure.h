#pragma once

#include "figure/figurecontrols.h"
#include "figure/figurestate.h"
#include "figure/grid.h"

#include "support/fixedmetrics.h"

#include <gtest/gtest.h>

#include <array>

// The controls the figure works on, with every element already created and
// every label measuring as the design's 52 x 27 read-out box, for a client
// area of the given size.
struct TestFigure {
    explicit TestFigure(float width = 900, float height = 541)
    {
        form.ScaleWidth = width;
        form.ScaleHeight = height;
        for (int k = 1; k < figure::HorizontalGridLines; ++k)
            Line5.Load(k);
        for (int k = 1; k < figure::VerticalGridLines; ++k)
            Line6.Load(k);
        for (auto* labels : {&Label1, &Label3, &Label4}) {
            for (controls::Label& label : *labels)
                label.SetMetrics(&metrics);
        }
    }

    // The five read-outs as they stand, to compare.
    using Readouts = std::array<controls::Label, 5>;
    [[nodiscard]] Readouts readouts() const { return {Label3[0], Label3[1], Label3[2], Label4[0], Label4[1]}; }

    FixedMetrics metrics;
    controls::Form form;
    controls::ControlArray<controls::Line> Line1{{}, {}, {}, {}};
    controls::ControlArray<controls::Line> Line2{{}, {}};
    controls::ControlArray<controls::Line> Line3{{}, {}};
    controls::ControlArray<controls::Line> Line5{{}};
    controls::ControlArray<controls::Line> Line6{{}};
    controls::ControlArray<controls::Label> Label1{{"A", 0, 0, 17, 27}, {"B", 0, 0, 17, 27},
                                                   {"C", 0, 0, 18, 27}, {"D", 0, 0, 18, 27}};
    controls::ControlArray<controls::Label> Label3{{"５cm", 0, 0, 52, 27}, {"５cm", 0, 0, 52, 27},
                                                   {"５cm", 0, 0, 52, 27}};
    controls::ControlArray<controls::Label> Label4{{"５cm", 0, 0, 52, 27}, {"５cm", 0, 0, 52, 27}};
    controls::CheckBox Check2;
    controls::CheckBox Check3;
    controls::CheckBox Check4;

    figure::FigureState state;
    figure::FigureControls controls{form, Line1, Line2, Line3, Line5, Line6,
                                    Label1, Label3, Label4, Check2, Check3, Check4};
};

// A control's point against a worked example given to a few decimals: within
// half a unit of the last digit given.
inline void ExpectPoint(float x, float y, double expectedX, double expectedY, double tolerance)
{
    EXPECT_NEAR(x, expectedX, tolerance);
    EXPECT_NEAR(y, expectedY, tolerance);
}

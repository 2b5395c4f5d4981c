#include "form/worksheetsvg.h"

#include "support/fixedmetrics.h"
#include "support/openedform.h"

#include <gtest/gtest.h>

// The figure, not the window: the teal panel and the never-seen Label2 stay
// out, whichever front end writes it; the surface comes in only as given.
TEST(WorksheetSvg, holdsTheFigureWithoutThePanelAndTheSurfaceOnlyWhenGiven)
{
    OpenedForm f;
    const FixedMetrics metrics;
    const std::string plain = app::WorksheetSvg(f.form.Controls(), metrics, "");
    EXPECT_NE(plain.find("viewBox=\"0 0 900 541\""), std::string::npos);
    EXPECT_NE(plain.find("<line x1=\"179.5\" y1=\"432.8\" x2=\"720.5\" y2=\"432.8\""), std::string::npos);
    EXPECT_EQ(plain.find("#00c0c0"), std::string::npos);     // the panel's teal
    EXPECT_EQ(plain.find("１０個まで"), std::string::npos); // Label2
    EXPECT_EQ(plain.find("<image"), std::string::npos);

    const std::string withSurface = app::WorksheetSvg(f.form.Controls(), metrics, "data:image/png;base64,AAAA");
    EXPECT_NE(withSurface.find("xlink:href=\"data:image/png;base64,AAAA\""), std::string::npos);
    // Beneath the figure: before its first line.
    EXPECT_LT(withSurface.find("<image"), withSurface.find("<line"));
}

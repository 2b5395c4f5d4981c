#include "web/layerraster.h"
#include "web/webwindow.h"

#include "form/keycodes.h"

#include "fakes.h"
#include "support/finitecontrols.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

using web::PixelBuffer;
using controls::PixelRect;
using web::WebWindow;

namespace {

constexpr controls::Color White{0xFFFFFF};
constexpr controls::Color DarkBlue{0xC00000};

struct Window {
    explicit Window(int width = 900, int height = 541, double ratio = 1)
    {
        window.Start(width, height, ratio);
        (void)window.Paint();
    }
    [[nodiscard]] std::int64_t Angle() const { return window.Form().State().AngleA; }
    [[nodiscard]] bool Is(int x, int y, controls::Color color) const
    {
        return window.Frame().Pixel(x, y) == PixelBuffer::Opaque(color);
    }
    void Drag(float x, float y, int moves, float step) { Drag(window, x, y, moves, step); }
    static void Drag(WebWindow& window, float x, float y, int moves, float step)
    {
        window.PointerDown(1, 0, x, y, 1);
        for (int i = 0; i < moves; ++i)
            window.PointerMove(1, 0, x += step, y);
        window.PointerUp(1, 0, x, y, 0);
    }

    BlockText text;
    WebWindow window{text};
};

} // namespace

TEST(WebWindow, startsAtTheClientAreaItIsGiven)
{
    Window w(1117, 643, 1.25);
    EXPECT_EQ(w.window.Form().Controls().Form1.ScaleWidth, 1117.0f);
    EXPECT_EQ(w.window.Frame().Width(), 1396); // 1117 x 1.25, rounded
    EXPECT_EQ(w.window.Frame().Height(), 804);
    EXPECT_EQ(w.Angle(), 74);
}

TEST(WebWindow, turnsAOneDegreePerMoveOfADrag)
{
    Window w;
    w.Drag(450, 300, 30, -1);
    EXPECT_EQ(w.Angle(), 104);
    w.Drag(450, 300, 50, 1);
    EXPECT_EQ(w.Angle(), 54);
    // A move with no button held does nothing.
    w.window.PointerMove(0, 0, 10, 10);
    EXPECT_EQ(w.Angle(), 54);
}

// As on the desktop: a press on a visible label is the label's, and so is
// everything until the last button is up.
TEST(WebWindow, leavesAPressOnAVisibleLabelToTheLabel)
{
    Window w;
    const controls::Label& letterB = w.window.Form().Controls().Label1[1];
    const PixelRect box = controls::PaintedBox(letterB);
    const float x = float(box.left + 3);
    const float y = float(box.top + 3);
    w.window.PointerDown(1, 0, x, y, 1);
    w.window.PointerMove(1, 0, x - 5, y);
    w.window.PointerDown(2, 0, x - 5, y, 3); // a second button on the way
    w.window.PointerMove(3, 0, x - 10, y);
    w.window.PointerUp(1, 0, x - 10, y, 2);
    w.window.PointerMove(2, 0, x - 15, y);
    EXPECT_EQ(w.Angle(), 74);
    w.window.PointerUp(2, 0, x - 15, y, 0);
    EXPECT_EQ(w.window.Form().State().Dragging, 0);
    // The next press elsewhere drags as usual.
    w.Drag(450, 300, 3, -1);
    EXPECT_EQ(w.Angle(), 77);
}

TEST(WebWindow, endsTheDragWhenAnyButtonIsReleased)
{
    Window w;
    w.window.PointerDown(1, 0, 450, 300, 1);
    w.window.PointerDown(2, 0, 450, 300, 3);
    w.window.PointerUp(2, 0, 450, 300, 1);
    w.window.PointerMove(1, 0, 440, 300);
    EXPECT_EQ(w.Angle(), 74);
}

TEST(WebWindow, paintsOnlyWhenSomethingChanged)
{
    Window w;
    EXPECT_TRUE(w.window.Paint().IsEmpty());
    w.Drag(450, 300, 1, -1);
    const PixelRect moved = w.window.Paint();
    EXPECT_FALSE(moved.IsEmpty());
    // The triangle's part of the window, not all of it.
    EXPECT_LT(moved.Width() * moved.Height(), 900 * 541);
    EXPECT_TRUE(w.window.Paint().IsEmpty());
}

TEST(WebWindow, keepsMemoStrokesBeneathTheFigureUntilAModeIsChosen)
{
    Window w;
    w.window.OptionClick(1);
    EXPECT_FALSE(w.window.Form().Controls().Option1[0].Value);
    w.Drag(600, 100, 40, 1); // a level stroke at y = 100, from x = 600 to 640
    (void)w.window.Paint();
    EXPECT_TRUE(w.Is(620, 100, DarkBlue));
    EXPECT_TRUE(w.Is(620, 102, DarkBlue));
    EXPECT_TRUE(w.Is(620, 104, White));

    // The reset button leaves the memo; choosing a mode clears it.
    w.window.CommandClick();
    (void)w.window.Paint();
    EXPECT_TRUE(w.Is(620, 100, DarkBlue));
    w.window.OptionClick(0);
    (void)w.window.Paint();
    EXPECT_TRUE(w.Is(620, 100, White));
    EXPECT_TRUE(w.window.Form().Controls().Option1[0].Value);
}

TEST(WebWindow, keepsMemoStrokesWhenOnlyThePixelRatioChanges)
{
    Window w;
    w.window.OptionClick(1);
    w.Drag(600, 100, 40, 1);
    w.window.Resize(900, 541, 2);
    (void)w.window.Paint();
    EXPECT_EQ(w.window.Frame().Width(), 1800);
    EXPECT_TRUE(w.Is(1240, 200, DarkBlue));
    EXPECT_EQ(w.Angle(), 74);
    // A new size clears them, as a resize of the desktop window does.
    w.window.Resize(800, 541, 2);
    (void)w.window.Paint();
    EXPECT_TRUE(w.Is(1240, 200, White) || !w.Is(1240, 200, DarkBlue));
}

TEST(WebWindow, takesTheBrowsersCountOfDevicePixelsAndPaintsThemAll)
{
    // 541 pixels at 1.5 are 811.5 device pixels: the browser shows them on
    // 811 or 812, and the last row is painted, the focus band down to it.
    Window w;
    w.window.CheckClick(1, false); // no grid line along the bottom
    w.window.ShowFocusFrame(true, DarkBlue);
    for (const int rows : {811, 812}) {
        w.window.Resize(900, 541, 1.5, 1350, rows);
        (void)w.window.Paint();
        EXPECT_EQ(w.window.Frame().Height(), rows);
        EXPECT_TRUE(w.Is(600, rows - 1, DarkBlue));
    }
    // A count that does not fit the client area is not believed.
    w.window.Resize(900, 541, 1.5, 1 << 30, -5);
    EXPECT_EQ(w.window.Frame().Width(), 1350);
    EXPECT_EQ(w.window.Frame().Height(), 812);
}

TEST(WebWindow, showsAndHidesTheGridAndTheReadouts)
{
    Window w;
    // Line6(1) stands at x = 395.9: the pixel column 395, grey at the top.
    const controls::Color grey{0xC0C0C0};
    EXPECT_TRUE(w.Is(395, 30, grey));
    w.window.CheckClick(1, false);
    (void)w.window.Paint();
    EXPECT_TRUE(w.Is(395, 30, White));
    w.window.CheckClick(1, true);
    (void)w.window.Paint();
    EXPECT_TRUE(w.Is(395, 30, grey));

    const controls::Label& ab = w.window.Form().Controls().Label3[1];
    EXPECT_FALSE(ab.Visible);
    w.window.CheckClick(2, true);
    EXPECT_TRUE(ab.Visible);
    (void)w.window.Paint();
    const PixelRect box = controls::PaintedBox(ab);
    EXPECT_TRUE(w.Is(box.left, box.top, controls::Color{0x000000})); // the caption's ink
}

TEST(WebWindow, survivesAnyClientAreaAndAnyPointer)
{
    Window w;
    for (const auto& [width, height] : {std::pair{0, 0}, {900, 0}, {0, 541}, {1, 1}, {5000, 3}, {900, 541}}) {
        w.window.Resize(width, height, 1);
        w.window.PointerDown(1, 0, NAN, INFINITY, 1);
        w.Drag(1e30f, -1e30f, 5, 1e29f);
        w.window.OptionClick(1);
        w.Drag(-1e9f, 1e9f, 5, 1e8f);
        w.window.OptionClick(0);
        (void)w.window.Paint();
        EXPECT_TRUE(AllCoordinatesFinite(w.window.Form().Controls())) << width << 'x' << height;
    }
    w.window.Resize(900, 541, 0);
    w.window.Resize(900, 541, NAN);
    (void)w.window.Paint();
    EXPECT_EQ(w.window.Ratio(), 1.0);
}

TEST(WebWindow, takesTheFiguresKeysAndLeavesTheRest)
{
    Window w;
    EXPECT_TRUE(w.window.FigureKeyDown(app::vbKeyLeft, 0));
    EXPECT_TRUE(w.window.FigureKeyDown(app::vbKeyPageDown, app::vbShiftMask));
    EXPECT_EQ(w.Angle(), 65);
    EXPECT_FALSE(w.window.FigureKeyDown(app::vbKeyLeft, app::vbCtrlMask));
    EXPECT_FALSE(w.window.FigureKeyDown(13, 0)); // Return is the buttons'
    EXPECT_EQ(w.Angle(), 65);
    // The step is painted at the next frame, as a mouse move's is.
    EXPECT_FALSE(w.window.Paint().IsEmpty());
}

// A dialog that takes the pointer ends the drag; the next move does nothing.
TEST(WebWindow, endsADragWhenToldTo)
{
    Window w;
    w.window.PointerDown(1, 0, 450, 300, 1);
    w.window.PointerMove(1, 0, 440, 300);
    w.window.EndDrag();
    w.window.PointerMove(1, 0, 430, 300);
    EXPECT_EQ(w.Angle(), 75);
    EXPECT_EQ(w.window.Form().State().Dragging, 0);
}

// Along the edges, over the memo and beneath every line and label, and
// only while it is shown.
TEST(WebWindow, paintsTheFocusBandBeneathTheFigureOnlyWhileShown)
{
    Window w(900, 541, 2);
    const controls::Color highlight{0x00FF00};
    const controls::Color grey{0xC0C0C0};
    w.window.OptionClick(1);
    w.Drag(0, 200, 3, 1); // a memo stroke across the left edge
    w.window.ShowFocusFrame(true, highlight);
    (void)w.window.Paint();
    EXPECT_TRUE(w.Is(0, 420, highlight));
    EXPECT_TRUE(w.Is(5, 600, highlight));   // the third pixel, at two device pixels each
    EXPECT_TRUE(w.Is(6, 600, White));
    EXPECT_TRUE(w.Is(910, 1081, highlight)); // the bottom edge
    EXPECT_TRUE(w.Is(1799, 600, highlight));
    EXPECT_TRUE(w.Is(4, 400, highlight));   // over the memo stroke
    EXPECT_TRUE(w.Is(791, 2, grey));        // beneath the grid line at x = 395.9
    w.window.ShowFocusFrame(false, highlight);
    (void)w.window.Paint();
    EXPECT_TRUE(w.Is(0, 420, White));
    EXPECT_TRUE(w.Is(4, 400, DarkBlue));
}

// However little of it each paint touches, the frame is what the first paint
// of a new window makes of the same events, with controls going to and from
// the part of the window kept ready to copy: the grid hidden and shown, the
// lesson, the focus band, memo strokes, the triangle dragged between them.
TEST(WebWindow, paintsBitByBitWhatOnePaintOfTheWholeShows)
{
    const std::vector<std::function<void(WebWindow&)>> events = {
        [](WebWindow& w) { Window::Drag(w, 450, 300, 6, -1); },
        [](WebWindow& w) { w.CheckClick(1, false); },
        [](WebWindow& w) { Window::Drag(w, 450, 300, 9, 1); },
        [](WebWindow& w) { w.ShowFocusFrame(true, DarkBlue); },
        [](WebWindow& w) { w.SetLessonStep(3); },
        [](WebWindow& w) { Window::Drag(w, 300, 200, 12, -1); },
        [](WebWindow& w) { w.OptionClick(1); },
        [](WebWindow& w) { Window::Drag(w, 500, 150, 30, 2); },
        [](WebWindow& w) { w.CheckClick(1, true); },
        [](WebWindow& w) { w.OptionClick(0); },
        [](WebWindow& w) { Window::Drag(w, 450, 300, 5, 1); },
    };
    Window painted;
    for (std::size_t i = 0; i < events.size(); ++i) {
        events[i](painted.window);
        (void)painted.window.Paint();
        BlockText text;
        WebWindow once(text);
        once.Start(900, 541, 1);
        for (std::size_t j = 0; j <= i; ++j)
            events[j](once);
        (void)once.Paint();
        const std::size_t bytes = std::size_t(once.Frame().Width()) * std::size_t(once.Frame().Height()) * 4;
        ASSERT_EQ(std::memcmp(painted.window.Frame().Data(), once.Frame().Data(), bytes), 0) << "after event " << i;
    }
}

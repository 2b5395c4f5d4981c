#include "web/captioncache.h"
#include "web/webwindow.h"
#include "web/worksheetpicture.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>

using web::PixelBuffer;

namespace {

constexpr controls::Color White{0xFFFFFF};
constexpr controls::Color Black{0x000000};
constexpr controls::Color DarkBlue{0xC00000};

struct Window {
    Window()
    {
        window.Start(900, 541, 1);
        (void)window.Paint();
    }
    [[nodiscard]] bool Picture(double ratio)
    {
        const web::WebSurface& surface = window.Surface();
        return web::PaintWorksheet(picture, window.Form().Controls(), surface.Image(), surface.HasDrawing(), ratio,
                                   captions);
    }
    [[nodiscard]] bool Is(int x, int y, controls::Color color) const
    {
        return picture.Pixel(x, y) == PixelBuffer::Opaque(color);
    }

    BlockText text;
    web::WebWindow window{text};
    web::CaptionCache captions{text};
    PixelBuffer picture;
};

} // namespace

TEST(Worksheet, isTheFigureAtTheRatioGivenWithoutTheTealPanel)
{
    Window w;
    ASSERT_TRUE(w.Picture(2));
    EXPECT_EQ(w.picture.Width(), 1800);
    EXPECT_EQ(w.picture.Height(), 1082);
    // The altitude, 3 pixels wide about x = 524.73: six device columns.
    EXPECT_TRUE(w.Is(1049, 600, Black));
    EXPECT_TRUE(w.Is(1045, 600, White));
    // Where the teal panel lies in the window.
    EXPECT_TRUE(w.Is(360, 72, White));
    EXPECT_TRUE(w.window.Frame().Pixel(180, 36) != PixelBuffer::Opaque(White));
}

TEST(Worksheet, carriesTheMemoScaledWithTheFigure)
{
    Window w;
    EXPECT_FALSE(w.window.Surface().HasDrawing());
    w.window.OptionClick(1);
    w.window.PointerDown(1, 0, 600, 100, 1);
    w.window.PointerMove(1, 0, 640, 100);
    w.window.PointerUp(1, 0, 640, 100, 0);
    EXPECT_TRUE(w.window.Surface().HasDrawing());
    ASSERT_TRUE(w.Picture(2));
    EXPECT_TRUE(w.Is(1240, 200, DarkBlue));
    EXPECT_TRUE(w.Is(1240, 204, DarkBlue)); // two device pixels below the stroke's middle row
    EXPECT_TRUE(w.Is(1240, 210, White));
    // Painted in bands of 100 rows (a stroke, letters and lines cross their
    // edges), the picture is the same, pixel for pixel.
    const PixelBuffer whole = w.picture;
    EXPECT_EQ(web::WorksheetBounds(w.window.Form().Controls(), 2).Height(), 1082);
    for (int top = 0; top < whole.Height(); top += 100) {
        ASSERT_TRUE(web::PaintWorksheet(w.picture, w.window.Form().Controls(), w.window.Surface().Image(), true, 2,
                                        w.captions, top, 100));
        ASSERT_EQ(w.picture.Bounds(), (controls::PixelRect{0, top, 1800, std::min(top + 100, 1082)}));
        for (int y = top; y < std::min(top + 100, whole.Height()); ++y)
            for (int x = 0; x < whole.Width(); ++x)
                ASSERT_EQ(w.picture.Pixel(x, y), whole.Pixel(x, y)) << x << ", " << y;
    }
    w.window.OptionClick(0);
    EXPECT_FALSE(w.window.Surface().HasDrawing());

    // A stroke across the lesson's panel lies over it, multiplied, as the
    // page shows it: the ivory darkened to the stroke's blue, not covering it.
    w.window.SetLessonStep(1);
    w.window.OptionClick(1);
    const controls::Shape& panel = w.window.Form().Controls().Lesson.Panel;
    ASSERT_TRUE(panel.Visible);
    const int x = int(panel.Left) + 3;
    const int y = int(panel.Top + panel.Height / 2);
    w.window.PointerDown(1, 0, float(x - 30), float(y), 1);
    w.window.PointerMove(1, 0, float(x + 30), float(y));
    w.window.PointerUp(1, 0, float(x + 30), float(y), 0);
    ASSERT_TRUE(w.Picture(2));
    const controls::Color ivory = panel.BackColor;
    const controls::Color inked{std::uint32_t((ivory.Blue() * DarkBlue.Blue() + 127) / 255) << 16};
    EXPECT_TRUE(w.Is(2 * x, 2 * y, inked)) << std::hex << w.picture.Pixel(2 * x, 2 * y);
    EXPECT_TRUE(w.Is(2 * x - 40, 2 * y, DarkBlue)); // left of the panel, as before
}

// A picture the page could not hold is refused, not attempted.
TEST(Worksheet, refusesAPictureTooLargeForThePage)
{
    Window w;
    w.window.Resize(20000, 3000, 1);
    EXPECT_FALSE(w.Picture(2));
    EXPECT_EQ(w.picture.Width(), 0);
    w.window.Resize(900, 541, 1);
    EXPECT_TRUE(w.Picture(2));
    EXPECT_FALSE(w.Picture(0));
    EXPECT_FALSE(w.Picture(NAN));
}

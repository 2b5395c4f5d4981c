// The functions the page calls: one window, created at start-up, for the
// page's whole life. Each returns at once; the page paints at its next frame.

#include "browsertext.h"
#include "pagedescription.h"
#include "pagelayout.h"
#include "webwindow.h"
#include "worksheetpicture.h"

#include "form/controldump.h"
#include "form/figuremenu.h"
#include "form/handout.h"
#include "form/readoutsummary.h"
#include "form/worksheetsvg.h"

#include <emscripten/emscripten.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

web::BrowserText text;
std::unique_ptr<web::WebWindow> window;
std::string reply;   // the last text handed to the page
std::string input;   // a text from the page, written in place by the page
std::vector<int> painted; // the rectangles last painted: their count, then each's left, top, width, height
web::PixelBuffer worksheet; // a band of a worksheet's picture, until the page has taken it
std::optional<app::Handout> handout; // the handout whose picture the page takes band by band
int image[3] = {};   // a picture for the page: its pixels' address, width, height

const char* Reply(std::string value)
{
    reply = std::move(value);
    return reply.c_str();
}

// A worksheet has the lesson's panel in the figure, where the window puts
// it: the room below the figure on a screen held upright is the page's, not
// the worksheet's. For as long as one is made.
class PanelInFigure {
public:
    explicit PanelInFigure(app::Form1& form) : m_form(form), m_below(form.Controls().Lesson.Below)
    {
        Lay(0);
    }
    ~PanelInFigure() { Lay(m_below); }
    PanelInFigure(const PanelInFigure&) = delete;
    PanelInFigure& operator=(const PanelInFigure&) = delete;

private:
    void Lay(float below)
    {
        if (m_below == 0)
            return;
        m_form.Controls().Lesson.Below = below;
        m_form.SetLessonStep(m_form.LessonStep());
    }

    app::Form1& m_form;
    float m_below;
};

const int* Image(const web::PixelBuffer& pixels)
{
    image[0] = pixels.Width() > 0 ? int(reinterpret_cast<std::uintptr_t>(pixels.Data())) : 0;
    image[1] = pixels.Width();
    image[2] = pixels.Height();
    return image;
}

} // namespace

extern "C" {

// The client area's size in pixels, the pixel ratio, and the device pixels
// the browser shows it on (0 where it cannot tell).
// `figureHeight`, where less than the height, is the part the figure is
// built for, the lesson's room below it (a screen held upright).
EMSCRIPTEN_KEEPALIVE void altitude_start(int width, int height, double ratio, int deviceWidth, int deviceHeight,
                                         int figureHeight)
{
    if (window)
        return;
    window = std::make_unique<web::WebWindow>(text);
    window->Start(width, height, ratio, deviceWidth, deviceHeight, figureHeight);
}

// The height the page gives its window on a viewport of `width` x `height`
// pixels: the viewport's, or the upright layout's (pagelayout.h).
EMSCRIPTEN_KEEPALIVE int altitude_window_height(int width, int height)
{
    return web::WindowHeight(width, height, text);
}

EMSCRIPTEN_KEEPALIVE void altitude_resize(int width, int height, double ratio, int deviceWidth, int deviceHeight,
                                          int figureHeight)
{
    window->Resize(width, height, ratio, deviceWidth, deviceHeight, figureHeight);
}

EMSCRIPTEN_KEEPALIVE void altitude_pointer_down(int button, int shift, float x, float y, int buttons)
{
    window->PointerDown(button, shift, x, y, buttons);
}

EMSCRIPTEN_KEEPALIVE void altitude_pointer_move(int buttons, int shift, float x, float y)
{
    window->PointerMove(buttons, shift, x, y);
}

EMSCRIPTEN_KEEPALIVE void altitude_pointer_up(int button, int shift, float x, float y, int buttons)
{
    window->PointerUp(button, shift, x, y, buttons);
}

EMSCRIPTEN_KEEPALIVE void altitude_end_drag()
{
    window->EndDrag();
}

EMSCRIPTEN_KEEPALIVE int altitude_dragging()
{
    return window->Form().State().Dragging == 1 ? 1 : 0;
}

// A key on the focused figure; 1 when it was the figure's.
EMSCRIPTEN_KEEPALIVE int altitude_key_down(int keyCode, int shift)
{
    return window->FigureKeyDown(keyCode, shift) ? 1 : 0;
}

// The lesson's step, from 0 (off) to 9: set, as the page's address asks, and read.
EMSCRIPTEN_KEEPALIVE void altitude_set_lesson(int step)
{
    window->SetLessonStep(step);
}

EMSCRIPTEN_KEEPALIVE int altitude_lesson()
{
    return window->Form().LessonStep();
}

// The pose the page's address asks for: the lesson's step, A's angle when
// `hasAngle`, all three lengths shown when `lengths`, the grid hidden when
// not `grid`; what it does not ask for stays as it is (app::ApplyPose).
EMSCRIPTEN_KEEPALIVE void altitude_apply_pose(int lesson, int hasAngle, double angle, int lengths, int grid)
{
    app::WorksheetPose pose;
    pose.Lesson = std::clamp(lesson, 0, app::LessonLastStep);
    // A whole number of degrees, as a drag leaves it; anything else is no angle.
    if (hasAngle != 0 && std::isfinite(angle) && std::abs(angle) < 1e15 && angle == std::floor(angle))
        pose.AngleA = std::int64_t(angle);
    pose.Lengths = lengths != 0;
    pose.Grid = grid != 0;
    window->ApplyPose(pose);
}

// The state the page's address keeps: the lesson's step, A's angle, whether
// all three lengths are shown, whether the grid is; at the address returned.
EMSCRIPTEN_KEEPALIVE const double* altitude_pose()
{
    static double pose[4];
    const app::Form1& form = window->Form();
    const app::Form1Controls& c = form.Controls();
    pose[0] = form.LessonStep();
    pose[1] = double(form.State().AngleA);
    pose[2] = c.Check2.Value != 0 && c.Check3.Value != 0 && c.Check4.Value != 0 ? 1 : 0;
    pose[3] = c.Line5[0].Visible ? 1 : 0;
    return pose;
}

// The figure's menu: its entries as JSON (web::PageMenu), valid until the
// next text; a command chosen, 1 when the C++ window ran it; and whether
// the release of `button` just handed over, or the finger or pen held
// still since its press, opens it.
EMSCRIPTEN_KEEPALIVE const char* altitude_menu()
{
    return Reply(web::PageMenu(window->Form().Controls()));
}

EMSCRIPTEN_KEEPALIVE int altitude_menu_click(int command)
{
    if (command < int(app::FigureCommand::StartLesson) || command > int(app::FigureCommand::Print))
        return 0;
    return window->MenuClick(app::FigureCommand(command)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int altitude_click_opens_menu(int button)
{
    return window->Form().RightClickOpensMenu(button) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int altitude_long_press_opens_menu()
{
    return window->Form().LongPressOpensMenu() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int altitude_long_press_milliseconds()
{
    return app::LongPressMilliseconds;
}

// The list of keys F1 shows: whether it is shown, and closing it.
EMSCRIPTEN_KEEPALIVE int altitude_key_help_shown()
{
    return window->Form().KeyHelpShown() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void altitude_close_key_help()
{
    window->CloseKeyHelp();
}

EMSCRIPTEN_KEEPALIVE void altitude_focus_frame(int shown, int red, int green, int blue)
{
    const auto channel = [](int value) { return std::uint32_t(value) & 0xFF; };
    window->ShowFocusFrame(shown != 0, controls::Color{channel(red) | channel(green) << 8 | channel(blue) << 16});
}

EMSCRIPTEN_KEEPALIVE void altitude_check_click(int number, int ticked)
{
    window->CheckClick(number, ticked != 0);
}

EMSCRIPTEN_KEEPALIVE void altitude_option_click(int index)
{
    window->OptionClick(index);
}

EMSCRIPTEN_KEEPALIVE void altitude_command_click()
{
    window->CommandClick();
}

// Paints what changed. At the address returned: the frame's pixels'
// address, width and height in device pixels, how many rectangles were
// painted, then each as left, top, width, height in device pixels.
EMSCRIPTEN_KEEPALIVE const int* altitude_paint()
{
    (void)window->Paint();
    const web::PixelBuffer& frame = window->Frame();
    painted.assign({int(reinterpret_cast<std::uintptr_t>(frame.Data())), frame.Width(), frame.Height(),
                    int(window->Painted().size())});
    for (const controls::PixelRect& area : window->Painted())
        painted.insert(painted.end(), {area.left, area.top, area.Width(), area.Height()});
    return painted.data();
}

// Room for a text of `length` bytes from the page, which writes it there
// before the call that reads it.
EMSCRIPTEN_KEEPALIVE char* altitude_input(int length)
{
    input.assign(std::size_t(length > 0 ? length : 0), '\0');
    return input.data();
}

// The drawing surface, when anything is drawn on it: its pixels' address
// (0 when it is blank), width and height in device pixels.
EMSCRIPTEN_KEEPALIVE const int* altitude_surface()
{
    static const web::PixelBuffer none;
    return Image(window->Surface().HasDrawing() ? window->Surface().Image() : none);
}

// The figure as an SVG drawing, with the picture of the surface whose data:
// URI the page wrote with altitude_input (none when it wrote nothing).
EMSCRIPTEN_KEEPALIVE const char* altitude_worksheet_svg()
{
    const PanelInFigure panel(window->Form());
    std::string svg = app::WorksheetSvg(window->Form().Controls(), window->Text(), input);
    input = std::string();
    return Reply(std::move(svg));
}

// The figure as a picture at twice the device pixels, from row `top`, at
// most `rows` of them: their pixels' address (0 when a picture that large
// cannot be had), width and height, kept until the next call or
// altitude_worksheet_done. The page asks band by band, so that the memory
// of the module, which never shrinks, grows by a band at most.
EMSCRIPTEN_KEEPALIVE const int* altitude_worksheet_picture(int top, int rows)
{
    const PanelInFigure panel(window->Form());
    const web::WebSurface& surface = window->Surface();
    if (!web::PaintWorksheet(worksheet, window->Form().Controls(), surface.Image(), surface.HasDrawing(),
                             2 * window->Ratio(), window->Captions(), top, rows))
        worksheet = web::PixelBuffer();
    return Image(worksheet);
}

// The whole picture's width and height (0 when it cannot be had).
EMSCRIPTEN_KEEPALIVE const int* altitude_worksheet_size()
{
    static int size[2];
    const PanelInFigure panel(window->Form());
    const controls::PixelRect bounds = web::WorksheetBounds(window->Form().Controls(), 2 * window->Ratio());
    size[0] = bounds.Width();
    size[1] = bounds.Height();
    return size;
}

EMSCRIPTEN_KEEPALIVE void altitude_worksheet_done()
{
    worksheet = web::PixelBuffer();
    handout.reset();
}

// A handout for the class at the figure's A, or with `answers` its answer
// sheet, as an SVG drawing of the A4 sheet.
EMSCRIPTEN_KEEPALIVE const char* altitude_handout_svg(int answers)
{
    const app::Handout sheet = app::MakeHandout({window->Form().State().AngleA, answers != 0, false}, &window->Text());
    return Reply(app::HandoutSvg(sheet, window->Text()));
}

// The same sheet as a picture, from row `top`, at most `rows` of them, as
// altitude_worksheet_picture gives the figure's; the sheet is made at the
// first band and kept until altitude_worksheet_done.
EMSCRIPTEN_KEEPALIVE const int* altitude_handout_picture(int answers, int top, int rows)
{
    if (!handout || top == 0)
        handout = app::MakeHandout({window->Form().State().AngleA, answers != 0, false}, &window->Text());
    web::PaintHandout(worksheet, *handout, window->Captions(), top, rows);
    return Image(worksheet);
}

EMSCRIPTEN_KEEPALIVE const int* altitude_handout_size()
{
    static int size[2];
    const app::SheetPixels pixels = app::HandoutPicturePixels();
    size[0] = pixels.Width;
    size[1] = pixels.Height;
    return size;
}

// Texts for the page, in UTF-8, valid until the next of these calls.
EMSCRIPTEN_KEEPALIVE const char* altitude_page_description()
{
    return Reply(web::PageDescription(window->Form().Controls()));
}

EMSCRIPTEN_KEEPALIVE const char* altitude_lengths()
{
    return Reply(app::FigureDescription(window->Form().Controls()));
}

// The same, but only when it differs from what the last call returned;
// null when it does not. The page asks after every event and decodes a text
// only when there is a new one to tell.
EMSCRIPTEN_KEEPALIVE const char* altitude_changed_lengths()
{
    static std::string told;
    std::string now = app::FigureDescription(window->Form().Controls());
    if (now == told)
        return nullptr;
    told = std::move(now);
    return told.c_str();
}

// The lesson's step control, only when it differs from what the last call
// returned (a drag moves it with the panel); null when it does not.
EMSCRIPTEN_KEEPALIVE const char* altitude_changed_lesson_steps()
{
    static std::string told;
    std::string now = web::LessonStepsDescription(window->Form().Controls().Lesson.Steps);
    if (now == told)
        return nullptr;
    told = std::move(now);
    return told.c_str();
}

// The step control's three buttons: 0 back, 1 on, 2 the end of the lesson.
EMSCRIPTEN_KEEPALIVE void altitude_lesson_step_click(int which)
{
    window->LessonStepClick(which);
}

// The bytes of the heap in use, which a long run must not keep adding to;
// the WebAssembly memory itself only ever grows.
EMSCRIPTEN_KEEPALIVE int altitude_heap_in_use()
{
    return int(mallinfo().uordblks);
}

EMSCRIPTEN_KEEPALIVE const char* altitude_dump()
{
    return Reply(app::ControlDump(window->Form()));
}

} // extern "C"

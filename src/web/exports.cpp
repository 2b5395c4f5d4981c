// The functions the page calls: one window, created at start-up, for the
// page's whole life. Each returns at once; the page paints at its next frame.

#include "browsertext.h"
#include "pagedescription.h"
#include "webwindow.h"

#include "app/controldump.h"
#include "app/readoutsummary.h"

#include <emscripten/emscripten.h>

#include <memory>
#include <string>

namespace {

web::BrowserText text;
std::unique_ptr<web::WebWindow> window;
std::string reply;   // the last text handed to the page
int painted[4] = {}; // the last rectangle painted: left, top, width, height

const char* Reply(std::string value)
{
    reply = std::move(value);
    return reply.c_str();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void altitude_start(int width, int height, double ratio)
{
    if (window)
        return;
    window = std::make_unique<web::WebWindow>(text);
    window->Start(width, height, ratio);
}

EMSCRIPTEN_KEEPALIVE void altitude_resize(int width, int height, double ratio)
{
    window->Resize(width, height, ratio);
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

// Paints what changed; the rectangle painted (device pixels, empty when
// nothing changed) is at the address returned, as left, top, width, height.
EMSCRIPTEN_KEEPALIVE const int* altitude_paint()
{
    const web::PixelRect area = window->Paint();
    painted[0] = area.left;
    painted[1] = area.top;
    painted[2] = area.IsEmpty() ? 0 : area.Width();
    painted[3] = area.IsEmpty() ? 0 : area.Height();
    return painted;
}

EMSCRIPTEN_KEEPALIVE const unsigned char* altitude_frame()
{
    return window->Frame().Data();
}

EMSCRIPTEN_KEEPALIVE int altitude_frame_width()
{
    return window->Frame().Width();
}

EMSCRIPTEN_KEEPALIVE int altitude_frame_height()
{
    return window->Frame().Height();
}

// Texts for the page, in UTF-8, valid until the next of these calls.
EMSCRIPTEN_KEEPALIVE const char* altitude_page_description()
{
    return Reply(web::PageDescription(window->Form().Controls()));
}

EMSCRIPTEN_KEEPALIVE const char* altitude_lengths()
{
    return Reply(app::ReadoutSummary(window->Form().Controls()));
}

EMSCRIPTEN_KEEPALIVE const char* altitude_dump()
{
    return Reply(app::ControlDump(window->Form()));
}

} // extern "C"

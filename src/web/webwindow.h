#pragma once

#include "captioncache.h"
#include "coverrects.h"
#include "pixelbuffer.h"
#include "websurface.h"

#include "form/form1.h"
#include "form/worksheetpose.h"
#include "controls/damagetiles.h"
#include "controls/layerdamage.h"
#include "controls/pixelrect.h"

#include <array>
#include <cstddef>
#include <vector>

namespace web {

class TextEngine;

// The window as the page shows it, the browser's counterpart of the desktop
// window: it paints the surface and the middle layer that Form1 holds into
// one image in device pixels, and turns the page's events into Form1's
// handlers. The page lays the buttons over it as HTML form controls.
//
// What a drag leaves alone is kept ready to copy: a background image holds
// the surface, the focus band and the controls at the back of the layer
// that did not change in the last paints (the grid, while A moves), and a
// frame is that background with the controls in front painted over it,
// only in the tiles that changed.
class WebWindow {
public:
    explicit WebWindow(const TextEngine& text);
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    [[nodiscard]] app::Form1& Form() { return m_form; }
    [[nodiscard]] const app::Form1& Form() const { return m_form; }

    // Start-up, then the first resize for the client area as the page has it.
    void Start(int width, int height, double ratio, int deviceWidth = 0, int deviceHeight = 0, int figureHeight = 0);

    // The client area is now `width` x `height` pixels at `ratio` device
    // pixels to the pixel. A new size runs Form_Resize; a new ratio alone
    // only paints everything again, finer or coarser. The frame is
    // `deviceWidth` x `deviceHeight`, the device pixels the browser shows
    // the client area on, so that it never resamples the frame; where
    // the page cannot tell (0) or tells a size that does not fit the client
    // area, the size at `ratio`, rounded. With a `figureHeight` less than
    // `height` (a screen held upright), the figure is built for the top
    // `figureHeight` pixels, and the lesson's panel stands in the room
    // beneath, larger; the memo surface and the focus band take the whole.
    void Resize(int width, int height, double ratio, int deviceWidth = 0, int deviceHeight = 0,
                int figureHeight = 0);

    // A button pressed or released on the figure, in pixels of the client
    // area; `buttons` are those held after the change (1 left, 2 right, 4
    // middle). The first press decides who has the pointer until every
    // button is up: a press on a visible label is the label's, and the
    // window sees nothing of it, as on the desktop.
    void PointerDown(int button, int shift, float x, float y, int buttons);
    void PointerMove(int buttons, int shift, float x, float y);
    void PointerUp(int button, int shift, float x, float y, int buttons);

    // Ends a drag, as a dialog that takes the pointer does.
    void EndDrag();

    // A key pressed while the figure has the keyboard focus, in the codes of
    // app/keycodes.h, handed to Form1's key handler. True when the key is the
    // figure's, so that the page gives it to nothing else.
    [[nodiscard]] bool FigureKeyDown(int keyCode, int shift);

    // The lesson's step (0 off to 9), as the page's address asks for it.
    void SetLessonStep(int step);
    // A press on the step control: 0 back, 1 on, 2 the end of the lesson.
    void LessonStepClick(int which);
    // The pose the page's address asks for (#lesson=3&angle=30, see
    // app::ApplyPose): at start-up after the first resize, and whenever
    // the address changes.
    void ApplyPose(const app::WorksheetPose& pose);
    // A command of the figure's menu that Form1 runs (the lesson, the list
    // of keys); false for those that are the page's (saving, printing).
    bool MenuClick(app::FigureCommand command);
    // Closes the list of keys, on any key or press in the page.
    void CloseKeyHelp();

    // Shows or hides the band along the client area's edges that says the
    // figure has the keyboard focus. It is painted over the drawing surface
    // and beneath every line and label, so it moves and recolours nothing
    // of the figure.
    void ShowFocusFrame(bool shown, controls::Color colour);
    [[nodiscard]] bool FocusFrameShown() const { return m_focusFrame; }

    // The buttons, after a click has set their value: Check1 to Check4 by
    // number, Option1 by index, Command1.
    void CheckClick(int number, bool ticked);
    void OptionClick(int index);
    void CommandClick();

    // Paints what changed since the last call into Frame() and returns the
    // rectangle painted, in device pixels; empty when nothing changed.
    [[nodiscard]] controls::PixelRect Paint();
    // A few rectangles over all the last Paint painted, in device pixels:
    // what the page has to show again.
    [[nodiscard]] const std::vector<controls::PixelRect>& Painted() const { return m_painted; }
    [[nodiscard]] const PixelBuffer& Frame() const { return m_frame; }
    [[nodiscard]] double Ratio() const { return m_ratio; }
    [[nodiscard]] const WebSurface& Surface() const { return m_surface; }
    [[nodiscard]] CaptionCache& Captions() { return m_captions; }
    [[nodiscard]] const TextEngine& Text() const { return m_text; }

    // Wide enough to see from the back of a classroom, narrow enough to leave
    // the grid's edge cells readable; the desktop's width.
    static constexpr int FocusFrameWidth = 3;

    // What a rectangle handed to the page may hold beyond the tiles it
    // covers, in device pixels: about what the browser's copy of one more
    // rectangle costs.
    static constexpr long CopyWaste = 1024;

private:
    [[nodiscard]] bool LabelAt(float x, float y) const;
    // The focus band's four sides, in pixels of the client area.
    [[nodiscard]] std::array<controls::PixelRect, 4> FocusBands() const;
    // `rect` of the client area in device pixels of the frame, reaching the
    // frame's edge where it reaches the client area's.
    [[nodiscard]] controls::PixelRect DeviceArea(const controls::PixelRect& rect) const;
    void PaintFocusFrame(const controls::PixelRect& area);
    void PaintBackground();

    const TextEngine& m_text;
    controls::DamageTiles m_backDamage; // where the background changed
    controls::DamageTiles m_damage;     // where only the controls in front did
    WebSurface m_surface{m_backDamage};
    app::Form1 m_form;
    CaptionCache m_captions;
    controls::LayerDamage m_layer; // its controls before Front() are in the background
    PixelBuffer m_background;
    PixelBuffer m_frame;
    // Of the image being painted, kept to spare allocations.
    std::vector<controls::PixelRect> m_areas;
    CoverRects m_cover;
    std::vector<controls::PixelRect> m_painted;
    double m_ratio = 1;
    int m_width = 0;
    int m_height = 0;
    int m_figureHeight = 0;
    bool m_pressOnLabel = false;
    bool m_focusFrame = false;
    controls::Color m_focusColour;
};

} // namespace web

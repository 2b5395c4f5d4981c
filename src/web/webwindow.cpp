#include "webwindow.h"

#include "layerraster.h"
#include "textengine.h"

#include "form/windowlayers.h"

#include <algorithm>
#include <cmath>

namespace web {

using controls::PixelRect;

WebWindow::WebWindow(const TextEngine& text) : m_text(text), m_form(m_surface, &text), m_captions(text)
{
    const controls::Form& form = m_form.Controls().Form1;
    m_surface.SetPens(form.BackColor, form.ForeColor, form.DrawWidth);
}

void WebWindow::Start(int width, int height, double ratio, int deviceWidth, int deviceHeight, int figureHeight)
{
    m_form.Form_Load();
    // The grid lines exist from here on, so the layer can list them.
    m_layer = controls::LayerDamage(app::WindowLayer(m_form.Controls()));
    Resize(width, height, ratio, deviceWidth, deviceHeight, figureHeight);
}

namespace {

// The browser's count of device pixels for `logical` pixels at `ratio`
// differs from the product by less than a device pixel either way, more
// where the page's logical size was rounded; anything else is not believed.
int FrameSize(int logical, double ratio, int device)
{
    const double exact = std::max(logical, 0) * ratio;
    if (device > 0 && std::abs(device - exact) <= ratio + 1)
        return device;
    return DevicePixels(logical, ratio);
}

} // namespace

void WebWindow::Resize(int width, int height, double ratio, int deviceWidth, int deviceHeight, int figureHeight)
{
    // Whatever the page measures, the window works with a client area it can draw.
    width = std::max(width, 0);
    height = std::max(height, 0);
    figureHeight = figureHeight > 0 && figureHeight < height ? figureHeight : height;
    if (!(ratio > 0 && ratio <= 16))
        ratio = 1;
    const bool sizeChanged = width != m_width || height != m_height || figureHeight != m_figureHeight
        || m_frame.Width() == 0;
    deviceWidth = FrameSize(width, ratio, deviceWidth);
    deviceHeight = FrameSize(height, ratio, deviceHeight);
    // The page's first look at its size after start-up is no change at all.
    if (!sizeChanged && ratio == m_ratio && deviceWidth == m_frame.Width() && deviceHeight == m_frame.Height())
        return;
    if (ratio != m_ratio)
        m_captions.Clear();
    m_ratio = ratio;
    m_width = width;
    m_height = height;
    m_figureHeight = figureHeight;
    m_surface.Resize(width, height, ratio, deviceWidth, deviceHeight);
    m_background.Resize(deviceWidth, deviceHeight);
    m_frame.Resize(deviceWidth, deviceHeight);
    // The tiles cover the frame, which is at least one pixel each way.
    m_damage.Resize(std::max(width, 1), std::max(height, 1));
    m_backDamage.Resize(std::max(width, 1), std::max(height, 1));
    m_backDamage.AddAll();
    if (!sizeChanged)
        return;
    app::Form1Controls& c = m_form.Controls();
    c.Form1.ScaleWidth = float(width);
    c.Form1.ScaleHeight = float(figureHeight);
    c.Lesson.Below = float(height - figureHeight);
    m_form.Form_Resize();
}

bool WebWindow::LabelAt(float x, float y) const
{
    const int px = int(std::floor(std::clamp(x, -1e6f, 1e6f)));
    const int py = int(std::floor(std::clamp(y, -1e6f, 1e6f)));
    for (const controls::Label* label : app::DesignedLabels(m_form.Controls())) {
        if (label->Visible && controls::PaintedBox(*label).Intersects({px, py, px + 1, py + 1}))
            return true;
    }
    return false;
}

void WebWindow::PointerDown(int button, int shift, float x, float y, int buttons)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    if (buttons == button)
        m_pressOnLabel = LabelAt(x, y);
    if (m_pressOnLabel)
        return;
    m_form.Form_MouseDown(button, shift, x, y);
}

void WebWindow::PointerMove(int buttons, int shift, float x, float y)
{
    if (m_pressOnLabel || !std::isfinite(x) || !std::isfinite(y))
        return;
    m_form.Form_MouseMove(buttons, shift, x, y);
}

void WebWindow::PointerUp(int button, int shift, float x, float y, int buttons)
{
    const bool toLabel = m_pressOnLabel;
    if (buttons == 0)
        m_pressOnLabel = false;
    if (toLabel)
        return;
    // A release always ends the drag, wherever the page says it happened.
    m_form.Form_MouseUp(button, shift, std::isfinite(x) ? x : 0, std::isfinite(y) ? y : 0);
}

void WebWindow::EndDrag()
{
    m_pressOnLabel = false;
    m_form.Form_MouseUp(0, 0, 0, 0);
}

bool WebWindow::FigureKeyDown(int keyCode, int shift)
{
    return m_form.Figure_KeyDown(keyCode, shift);
}

void WebWindow::SetLessonStep(int step)
{
    m_form.SetLessonStep(step);
}

void WebWindow::LessonStepClick(int which)
{
    if (which == 0)
        m_form.LessonBack_Click();
    else if (which == 1)
        m_form.LessonNext_Click();
    else if (which == 2)
        m_form.LessonEnd_Click();
}

void WebWindow::ApplyPose(const app::WorksheetPose& pose)
{
    app::ApplyPose(m_form, pose);
}

bool WebWindow::MenuClick(app::FigureCommand command)
{
    return m_form.Menu_Click(command);
}

void WebWindow::CloseKeyHelp()
{
    m_form.CloseKeyHelp();
}

std::array<PixelRect, 4> WebWindow::FocusBands() const
{
    const int w = FocusFrameWidth;
    return {PixelRect{0, 0, m_width, w}, PixelRect{0, m_height - w, m_width, m_height},
            PixelRect{0, w, w, m_height - w}, PixelRect{m_width - w, w, m_width, m_height - w}};
}

void WebWindow::ShowFocusFrame(bool shown, controls::Color colour)
{
    if (shown == m_focusFrame && colour == m_focusColour)
        return;
    m_focusFrame = shown;
    m_focusColour = colour;
    for (const PixelRect& band : FocusBands())
        m_backDamage.Add(band);
}

void WebWindow::PaintFocusFrame(const PixelRect& area)
{
    for (const PixelRect& band : FocusBands())
        m_background.FillRect(DeviceArea(band).Intersected(area), m_focusColour);
}

PixelRect WebWindow::DeviceArea(const PixelRect& rect) const
{
    PixelRect area = ToDevice(rect, m_ratio);
    if (!area.IsEmpty() && rect.right >= m_width)
        area.right = std::max(area.right, m_frame.Width());
    if (!area.IsEmpty() && rect.bottom >= m_height)
        area.bottom = std::max(area.bottom, m_frame.Height());
    return area.Intersected(m_frame.Bounds());
}

void WebWindow::CheckClick(int number, bool ticked)
{
    app::Form1Controls& c = m_form.Controls();
    switch (number) {
    case 1:
        c.Check1.Value = ticked ? 1 : 0;
        m_form.Check1_Click();
        break;
    case 2:
        c.Check2.Value = ticked ? 1 : 0;
        m_form.Check2_Click();
        break;
    case 3:
        c.Check3.Value = ticked ? 1 : 0;
        m_form.Check3_Click();
        break;
    case 4:
        c.Check4.Value = ticked ? 1 : 0;
        m_form.Check4_Click();
        break;
    default:
        break;
    }
}

// The two option buttons form one group: the clicked one is selected.
void WebWindow::OptionClick(int index)
{
    app::Form1Controls& c = m_form.Controls();
    if (index < 0 || index >= c.Option1.Count())
        return;
    for (int i = 0; i < c.Option1.Count(); ++i)
        c.Option1[i].Value = i == index;
    m_form.Option1_Click(index);
}

void WebWindow::CommandClick()
{
    m_form.Command1_Click();
}

// Each run of tiles is painted from the surface up, the focus band over the
// surface and beneath the controls, clipped to the run; the frame is then
// painted again there too.
void WebWindow::PaintBackground()
{
    m_areas.clear();
    for (const PixelRect& run : m_backDamage.Take()) {
        const PixelRect area = DeviceArea(run);
        if (area.IsEmpty())
            continue;
        m_surface.PaintInto(m_background, area);
        if (m_focusFrame)
            PaintFocusFrame(area);
        m_areas.push_back(area);
        m_damage.Add(run);
    }
    const std::span<const controls::LayerItem> layer = m_layer.Layer();
    PaintLayer(m_background, layer.first(m_layer.Front()), m_ratio, m_areas, m_captions);
}

// The frame is the background, with the controls in front over it, in the
// tiles that changed; it keeps what lies outside them from the frames before.
PixelRect WebWindow::Paint()
{
    m_layer.Collect(m_backDamage, m_damage);
    PaintBackground();
    m_areas.clear();
    PixelRect painted;
    for (const PixelRect& run : m_damage.Take()) {
        const PixelRect area = DeviceArea(run);
        if (area.IsEmpty())
            continue;
        m_frame.CopyFrom(m_background, area);
        m_areas.push_back(area);
        painted = painted.United(area);
    }
    const std::span<const controls::LayerItem> layer = m_layer.Layer();
    PaintLayer(m_frame, layer.subspan(m_layer.Front()), m_ratio, m_areas, m_captions);
    // The memo strokes lie over the lesson's panel, as ink over paper.
    const PixelRect panel = ToDevice(app::MemoOverLesson(m_form.Controls()), m_ratio);
    for (const PixelRect& area : m_areas)
        m_surface.MultiplyInto(m_frame, area.Intersected(panel));
    m_painted = m_cover.Cover(m_areas, CopyWaste);
    return painted;
}

} // namespace web

#include "svgwriter.h"

#include "overloaded.h"
#include "svgtext.h"
#include "textmetrics.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace controls {

namespace {

void Attribute(std::string& out, const char* name, float value)
{
    out += ' ';
    out += name;
    out += "=\"";
    AppendNumber(out, value);
    out += '"';
}

void Attribute(std::string& out, const char* name, Color value)
{
    out += ' ';
    out += name;
    out += "=\"";
    AppendColor(out, value);
    out += '"';
}

void Attribute(std::string& out, const char* name, std::string_view value)
{
    out += ' ';
    out += name;
    out += "=\"";
    AppendEscaped(out, value);
    out += '"';
}

// Whether any of a rectangle lies in the picture. Grid lines far to the
// sides of a narrow figure lie wholly outside it, and a drawing program
// would show them off the page.
bool Reaches(const SvgPicture& picture, float left, float top, float right, float bottom)
{
    return right >= 0 && bottom >= 0 && left <= picture.Width && top <= picture.Height;
}

void WriteLine(std::string& out, const Line& line, const SvgPicture& picture)
{
    if (!std::isfinite(line.X1) || !std::isfinite(line.Y1) || !std::isfinite(line.X2) || !std::isfinite(line.Y2))
        return;
    const float reach = float(line.BorderWidth) / 2;
    if (!Reaches(picture, std::min(line.X1, line.X2) - reach, std::min(line.Y1, line.Y2) - reach,
                 std::max(line.X1, line.X2) + reach, std::max(line.Y1, line.Y2) + reach))
        return;
    out += "<line";
    Attribute(out, "x1", line.X1);
    Attribute(out, "y1", line.Y1);
    Attribute(out, "x2", line.X2);
    Attribute(out, "y2", line.Y2);
    Attribute(out, "stroke", line.BorderColor);
    Attribute(out, "stroke-width", float(std::max(1, line.BorderWidth)));
    // The window gives wide pens round ends, so that the sides of the
    // triangle meet cleanly, and fills a level or upright 1-pixel line, a
    // grid line, as one crisp pixel row.
    if (line.BorderWidth > 1)
        out += " stroke-linecap=\"round\"";
    else if (line.X1 == line.X2 || line.Y1 == line.Y2)
        out += " shape-rendering=\"crispEdges\"";
    out += "/>\n";
}

// A CSS font-family list: the family the window draws in, the stored face
// for a machine that has it, and a generic face for any other.
std::string FamilyList(const TextMetrics& metrics, const Font& font)
{
    std::string list;
    const auto add = [&list](std::string_view family) {
        if (family.empty())
            return;
        list += '\'';
        for (const char c : family) {
            if (c == '\'' || c == '\\')
                list += '\\';
            list += c;
        }
        list += "', ";
    };
    const std::string drawn = metrics.Family(font);
    add(drawn);
    if (font.Name != drawn)
        add(font.Name);
    list += "sans-serif";
    return list;
}

void WriteLabel(std::string& out, const Label& label, const SvgPicture& picture)
{
    const PixelRect box = PaintedBox(label);
    if (!Reaches(picture, float(box.left), float(box.top), float(box.right), float(box.bottom)))
        return;
    const TextMetrics& metrics = picture.Metrics;
    if (!label.Transparent) {
        out += "<rect";
        Attribute(out, "x", float(box.left));
        Attribute(out, "y", float(box.top));
        Attribute(out, "width", float(box.Width()));
        Attribute(out, "height", float(box.Height()));
        Attribute(out, "fill", label.BackColor);
        out += "/>\n";
    }
    // The window puts the top of the text's line on the top of the box; SVG
    // places text by its baseline.
    out += "<text";
    Attribute(out, "x", float(box.left));
    Attribute(out, "y", float(box.top) + metrics.Ascent(label.Font));
    Attribute(out, "font-family", FamilyList(metrics, label.Font));
    Attribute(out, "font-size", float(label.Font.PixelSize()));
    if (label.Font.Weight != 400)
        Attribute(out, "font-weight", float(label.Font.Weight));
    if (label.Font.Italic)
        out += " font-style=\"italic\"";
    if (label.Font.Underline && label.Font.Strikethrough)
        out += " text-decoration=\"underline line-through\"";
    else if (label.Font.Underline)
        out += " text-decoration=\"underline\"";
    else if (label.Font.Strikethrough)
        out += " text-decoration=\"line-through\"";
    Attribute(out, "fill", label.ForeColor);
    // Most read-outs begin with a blank, which XML would otherwise drop.
    out += " xml:space=\"preserve\">";
    AppendEscaped(out, label.Caption());
    out += "</text>\n";
}

// As the window paints it: its rectangle less a pixel, outlined by a 1-pixel
// pen, the corners rounded by a sixth of the shorter side.
void WriteShape(std::string& out, const Shape& shape)
{
    const float radius = std::min(shape.Width, shape.Height) / 6;
    out += "<rect";
    Attribute(out, "x", shape.Left);
    Attribute(out, "y", shape.Top);
    Attribute(out, "width", shape.Width - 1);
    Attribute(out, "height", shape.Height - 1);
    Attribute(out, "rx", radius);
    Attribute(out, "ry", radius);
    Attribute(out, "fill", shape.BackColor);
    Attribute(out, "stroke", shape.BorderColor);
    out += "/>\n";
}

} // namespace

std::string WriteSvg(const SvgPicture& picture)
{
    std::string out;
    out.reserve(16384);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
           " version=\"1.1\"";
    if (picture.MillimetresPerPixel > 0) {
        // Printed at 100 %, a pixel is that many millimetres.
        for (const auto& [name, pixels] : {std::pair{"width", picture.Width}, std::pair{"height", picture.Height}}) {
            out += ' ';
            out += name;
            out += "=\"";
            AppendNumber(out, float(pixels * picture.MillimetresPerPixel));
            out += "mm\"";
        }
    } else {
        Attribute(out, "width", picture.Width);
        Attribute(out, "height", picture.Height);
    }
    out += " viewBox=\"0 0 ";
    AppendNumber(out, picture.Width);
    out += ' ';
    AppendNumber(out, picture.Height);
    out += "\">\n";

    out += "<rect x=\"0\" y=\"0\"";
    Attribute(out, "width", picture.Width);
    Attribute(out, "height", picture.Height);
    Attribute(out, "fill", picture.Background);
    out += "/>\n";
    const bool over = !picture.Surface.empty() && !picture.SurfaceOver.IsEmpty();
    if (!picture.Surface.empty()) {
        out += over ? "<image id=\"memo\" x=\"0\" y=\"0\"" : "<image x=\"0\" y=\"0\"";
        Attribute(out, "width", picture.Width);
        Attribute(out, "height", picture.Height);
        out += " preserveAspectRatio=\"none\"";
        Attribute(out, "xlink:href", picture.Surface);
        out += "/>\n";
    }

    for (const LayerItem& item : picture.Items) {
        if (!IsVisible(item))
            continue;
        std::visit(Overloaded{
                       [&](const Line* line) { WriteLine(out, *line, picture); },
                       [&](const Label* label) { WriteLabel(out, *label, picture); },
                       [&](const Shape* shape) { WriteShape(out, *shape); },
                   },
                   item);
    }
    if (over) {
        const PixelRect& r = picture.SurfaceOver;
        out += "<clipPath id=\"over\"><rect";
        Attribute(out, "x", float(r.left));
        Attribute(out, "y", float(r.top));
        Attribute(out, "width", float(r.Width()));
        Attribute(out, "height", float(r.Height()));
        out += "/></clipPath>\n<use xlink:href=\"#memo\" clip-path=\"url(#over)\" style=\"mix-blend-mode:multiply\"/>\n";
    }
    out += "</svg>\n";
    return out;
}

} // namespace controls

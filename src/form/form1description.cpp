#include "form1controls.h"

// The window description. Positions and sizes are in pixels; the design
// stores them in twips, 15 to the pixel, and every one is a whole pixel.

namespace app {

namespace {

using controls::Color;

constexpr Color White{0x00FFFFFF};
constexpr Color Black{0x00000000};
constexpr Color DarkBlue{0x00C00000};
constexpr Color Blue{0x00FF0000};
constexpr Color Red{0x000000FF};
constexpr Color Teal{0x00C0C000};
constexpr Color LightYellow{0x00C0FFFF};
constexpr Color LightGrey{0x00C0C0C0};

// Every control with a stored font uses this face, Shift-JIS, weight 400.
constexpr const char* GothicFace = "ＭＳ Ｐゴシック";

controls::Font Gothic(double points)
{
    return controls::Font{.Name = GothicFace, .Size = points};
}

const controls::Font ButtonFont = Gothic(12);
const controls::Font FigureFont = Gothic(20.25); // 27 pixels

template <typename Button>
Button MakeButton(const char* caption, float left, float top, float width, float height,
                  Color back, std::optional<Color> fore, int tabIndex)
{
    Button button;
    button.Caption = caption;
    button.Left = left;
    button.Top = top;
    button.Width = width;
    button.Height = height;
    button.BackColor = back;
    button.ForeColor = fore;
    button.Font = ButtonFont;
    button.TabIndex = tabIndex;
    return button;
}

controls::Line MakeLine(float x1, float y1, float x2, float y2, Color color, int width)
{
    return controls::Line{.X1 = x1, .Y1 = y1, .X2 = x2, .Y2 = y2,
                          .BorderColor = color, .BorderWidth = width, .Visible = true};
}

// The letters and the read-outs: opaque white boxes in the 27-pixel Gothic.
controls::Label FigureLabel(const char* caption, float left, float top, float width,
                            Color fore, int tabIndex)
{
    controls::Label label(caption, left, top, width, 27);
    label.BackColor = White;
    label.ForeColor = fore;
    label.Font = FigureFont;
    label.TabIndex = tabIndex;
    return label;
}

} // namespace

Form1Controls DescribeForm1()
{
    using controls::CheckBox;
    using controls::CommandButton;
    using controls::OptionButton;

    Form1Controls c{
        .Form1 = {.Caption = "三角形の直角の頂点から下ろした垂線   by q.Varlen",
                  .ScaleWidth = 900,
                  .ScaleHeight = 541,
                  .BackColor = White,
                  .ForeColor = DarkBlue,
                  .DrawWidth = 5},

        .Command1 = MakeButton<CommandButton>("初期画面", 8, 8, 89, 41, LightYellow, {}, 4),
        .Option1 = {MakeButton<OptionButton>("Ａ移動・メモクリア", 112, 16, 145, 17, Teal, White, 5),
                    MakeButton<OptionButton>("メモ書き", 112, 40, 81, 17, Teal, White, 6)},
        .Check1 = MakeButton<CheckBox>("方眼表示", 10, 52, 90, 17, White, {}, 7),
        .Check2 = MakeButton<CheckBox>("３辺の長さ", 10, 72, 97, 25, White, {}, 12),
        .Check3 = MakeButton<CheckBox>("ＡＤの長さ", 8, 96, 89, 25, White, Red, 13),
        .Check4 = MakeButton<CheckBox>("ＢＤの長さ", 8, 120, 89, 25, White, Red, 14),

        .Line1 = {MakeLine(296, 456, 576, 456, Black, 3),   // BC
                  MakeLine(296, 456, 440, 264, Black, 3),   // AB
                  MakeLine(440, 264, 576, 456, Black, 3),   // AC
                  MakeLine(440, 272, 440, 456, Black, 3)},  // altitude AD
        .Line2 = {MakeLine(744, 152, 776, 152, Blue, 2),    // mark at D
                  MakeLine(752, 184, 752, 160, Blue, 2)},
        .Line3 = {MakeLine(768, 240, 736, 240, Blue, 2),    // mark at A
                  MakeLine(736, 240, 736, 264, Blue, 2)},
        .Line5 = {MakeLine(496, 168, 608, 168, LightGrey, 1)},
        .Line6 = {MakeLine(632, 168, 632, 248, LightGrey, 1)},

        .Label1 = {FigureLabel("A", 152, 168, 17, Black, 0),
                   FigureLabel("B", 192, 168, 17, Black, 1),
                   FigureLabel("C", 232, 168, 18, Black, 2),
                   FigureLabel("D", 272, 168, 18, Black, 3)},
        .Label2 = {},
        .Label3 = {FigureLabel("５cm", 416, 488, 52, Black, 9),    // BC
                   FigureLabel("５cm", 280, 304, 52, Black, 10),   // AB
                   FigureLabel("５cm", 688, 296, 52, Black, 11)},  // AC
        .Label4 = {FigureLabel("５cm", 656, 360, 52, Red, 15),     // AD
                   FigureLabel("５cm", 664, 400, 52, Red, 16)},    // BD

        .Shape1 = {.Left = 104, .Top = 8, .Width = 153, .Height = 57,
                   .BackColor = Teal, .BorderColor = Teal, .Visible = true},
        .Lesson = {},
        .Help = {},
    };

    c.Option1[0].Value = true;
    c.Check1.Value = 1;

    // "up to ten", in the window's default font, transparent and white. It lies
    // wholly under Check3 and Check4 and is never seen.
    c.Label2 = controls::Label("１０個まで", 30, 112, 50, 12);
    c.Label2.Transparent = true;
    c.Label2.ForeColor = White;
    c.Label2.Font = controls::Font{.Name = {}, .Size = 9};
    c.Label2.TabIndex = 8;

    return c;
}

controls::Layer MiddleLayer(const Form1Controls& c)
{
    controls::Layer layer;
    for (int i = 1; i < c.Line5.Count(); ++i)
        layer.push_back(&c.Line5[i]);
    for (int i = 1; i < c.Line6.Count(); ++i)
        layer.push_back(&c.Line6[i]);

    // The stored order, back to front.
    for (controls::LayerItem item : std::initializer_list<controls::LayerItem>{
             &c.Label1[3], &c.Label1[2], &c.Label1[1], &c.Label1[0],
             &c.Line1[0], &c.Line1[1], &c.Line1[2],
             &c.Shape1,
             &c.Line5[0], &c.Line6[0],
             &c.Label2,
             &c.Line1[3],
             &c.Label3[0], &c.Label3[1], &c.Label3[2],
             &c.Line2[0], &c.Line3[0], &c.Line2[1], &c.Line3[1],
             &c.Label4[0], &c.Label4[1]})
        layer.push_back(item);
    return layer;
}

std::array<const controls::Label*, 10> DesignedLabels(const Form1Controls& c)
{
    return {&c.Label1[0], &c.Label1[1], &c.Label1[2], &c.Label1[3], &c.Label2,
            &c.Label3[0], &c.Label3[1], &c.Label3[2], &c.Label4[0], &c.Label4[1]};
}

controls::Layer FigureLayer(const Form1Controls& c)
{
    controls::Layer layer = MiddleLayer(c);
    const controls::LayerItem panel = &c.Shape1;
    const controls::LayerItem hidden = &c.Label2;
    std::erase_if(layer, [&](const controls::LayerItem& item) { return item == panel || item == hidden; });
    return layer;
}

} // namespace app

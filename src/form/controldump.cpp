#include "controldump.h"

#include <cstdint>
#include <array>
#include <cstring>
#include <string_view>

namespace app {

namespace {

// The bits of a float or double (std::bit_cast, which not every library the
// code is built with offers yet).
template <typename Bits, typename Number>
Bits BitsOf(Number value)
{
    static_assert(sizeof(Bits) == sizeof(Number));
    Bits bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

class Writer {
public:
    explicit Writer(std::string& out) : m_out(out) {}

    Writer& Name(std::string_view name, int index = -1)
    {
        m_out += name;
        if (index >= 0) {
            m_out += '(';
            Integer(index);
            m_out += ')';
        }
        return *this;
    }
    Writer& Bits(std::string_view key, float value)
    {
        return Key(key).Hex(BitsOf<std::uint32_t>(value), 8);
    }
    Writer& Bits(std::string_view key, double value)
    {
        return Key(key).Hex(BitsOf<std::uint64_t>(value), 16);
    }
    Writer& Int(std::string_view key, std::int64_t value)
    {
        Key(key);
        Integer(value);
        return *this;
    }
    Writer& Text(std::string_view key, std::string_view text)
    {
        Key(key);
        m_out += '"';
        m_out += text;
        m_out += '"';
        return *this;
    }
    void End() { m_out += '\n'; }

private:
    Writer& Key(std::string_view key)
    {
        m_out += ' ';
        m_out += key;
        m_out += '=';
        return *this;
    }
    Writer& Hex(std::uint64_t value, int digits)
    {
        for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
            m_out += "0123456789abcdef"[(value >> shift) & 0xF];
        return *this;
    }
    void Integer(std::int64_t value)
    {
        if (value < 0)
            m_out += '-';
        std::uint64_t magnitude = value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
        char digits[20];
        int count = 0;
        do {
            digits[count++] = char('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude > 0);
        while (count > 0)
            m_out += digits[--count];
    }

    std::string& m_out;
};

void Dump(Writer w, std::string_view name, int index, const controls::Line& line)
{
    w.Name(name, index)
        .Bits("X1", line.X1).Bits("Y1", line.Y1).Bits("X2", line.X2).Bits("Y2", line.Y2)
        .Int("Color", line.BorderColor.bgr).Int("Width", line.BorderWidth).Int("Visible", line.Visible)
        .End();
}

void Dump(Writer w, std::string_view name, int index, const controls::Label& label)
{
    w.Name(name, index)
        .Text("Caption", label.Caption())
        .Bits("Left", label.Left).Bits("Top", label.Top)
        .Bits("Width", label.Width()).Bits("Height", label.Height())
        .Int("Visible", label.Visible)
        .End();
}

template <typename Control>
void DumpArray(std::string& out, std::string_view name, const controls::ControlArray<Control>& array)
{
    for (int i = 0; i < array.Count(); ++i)
        Dump(Writer(out), name, i, array[i]);
}

template <typename Control, std::size_t Count>
void DumpArray(std::string& out, std::string_view name, const std::array<Control, Count>& array)
{
    for (std::size_t i = 0; i < Count; ++i)
        Dump(Writer(out), name, int(i), array[i]);
}

void Dump(Writer w, std::string_view name, const controls::Shape& shape)
{
    w.Name(name)
        .Bits("Left", shape.Left).Bits("Top", shape.Top).Bits("Width", shape.Width).Bits("Height", shape.Height)
        .Int("Visible", shape.Visible)
        .End();
}

// Only while they show: with the lesson off and the keys' list closed, the
// dump is the designed window's alone.
void DumpAdditions(std::string& out, const Form1Controls& c)
{
    const figure::LessonControls& lesson = c.Lesson;
    if (lesson.Step > 0) {
        Writer(out).Name("Lesson").Int("Step", lesson.Step).Int("Blanks", lesson.Blanks).End();
        Dump(Writer(out), "LessonPanel", lesson.Panel);
        Dump(Writer(out), "LessonStepsPanel", lesson.StepsPanel);
        using Button = std::pair<const char*, const controls::ButtonControl*>;
        for (const auto& [name, button] : {Button{"LessonBack", &lesson.Steps.Back}, Button{"LessonStep", &lesson.Steps.Step},
                                           Button{"LessonNext", &lesson.Steps.Next}, Button{"LessonEnd", &lesson.Steps.End}}) {
            Writer(out).Name(name).Text("Caption", button->Caption)
                .Bits("Left", button->Left).Bits("Top", button->Top).Bits("Width", button->Width)
                .Bits("Height", button->Height).Int("Visible", lesson.Steps.Visible)
                .End();
        }
        DumpArray(out, "LessonText", lesson.Text);
        DumpArray(out, "LessonBoxes", lesson.Boxes);
        DumpArray(out, "LessonArcs", lesson.Arcs);
    }
    if (c.Help.Shown) {
        Dump(Writer(out), "KeyHelpPanel", c.Help.Panel);
        Dump(Writer(out), "KeyHelpTitle", -1, c.Help.Title);
        DumpArray(out, "KeyHelpKeys", c.Help.Keys);
        DumpArray(out, "KeyHelpActions", c.Help.Actions);
    }
}

} // namespace

void AppendControlDump(const Form1& form, std::string& out)
{
    const figure::FigureState& s = form.State();
    Writer(out).Name("State")
        .Bits("Ax", s.Ax).Bits("Ay", s.Ay).Bits("Bx", s.Bx).Bits("By", s.By)
        .Bits("Cx", s.Cx).Bits("Cy", s.Cy).Bits("LastX", s.LastX).Bits("LastY", s.LastY)
        .Int("AngleA", s.AngleA).Bits("GridUnit", s.GridUnit)
        .Int("Dragging", s.Dragging).Int("GridShown", s.GridShown)
        .End();

    const Form1Controls& c = form.Controls();
    Writer(out).Name("Form1").Bits("ScaleWidth", c.Form1.ScaleWidth).Bits("ScaleHeight", c.Form1.ScaleHeight).End();
    Writer(out).Name("Option1", 0).Int("Value", c.Option1[0].Value).End();
    Writer(out).Name("Option1", 1).Int("Value", c.Option1[1].Value).End();
    Writer(out).Name("Check1").Int("Value", c.Check1.Value).End();
    Writer(out).Name("Check2").Int("Value", c.Check2.Value).End();
    Writer(out).Name("Check3").Int("Value", c.Check3.Value).End();
    Writer(out).Name("Check4").Int("Value", c.Check4.Value).End();

    DumpArray(out, "Line1", c.Line1);
    DumpArray(out, "Line2", c.Line2);
    DumpArray(out, "Line3", c.Line3);
    DumpArray(out, "Line5", c.Line5);
    DumpArray(out, "Line6", c.Line6);
    DumpArray(out, "Label1", c.Label1);
    Dump(Writer(out), "Label2", -1, c.Label2);
    DumpArray(out, "Label3", c.Label3);
    DumpArray(out, "Label4", c.Label4);

    Dump(Writer(out), "Shape1", c.Shape1);
    DumpAdditions(out, c);
}

std::string ControlDump(const Form1& form)
{
    std::string out;
    AppendControlDump(form, out);
    return out;
}

} // namespace app

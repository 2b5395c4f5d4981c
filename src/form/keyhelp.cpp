#include "keyhelp.h"

#include "controls/form.h"
#include "controls/textmetrics.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace app {

namespace {

constexpr controls::Color PanelColor{0xF6F0EA}; // a pale blue grey
constexpr controls::Color Black{0x000000};
constexpr float ColumnGap = 20;
constexpr float RowGap = 3;

struct Entry {
    const char* key;
    const char* action;
};

// Every key the window takes: A's, the reset button's, the lesson's, the
// worksheets', the copy and this list itself.
constexpr Entry Entries[KeyHelp::Rows] = {
    {"← ／ Page Up", "A を B の方へ 1° 動かす"},
    {"→ ／ Page Down", "A を C の方へ 1° 動かす"},
    {"Shift ＋ 上のキー", "10° ずつ動かす"},
    {"Home", "初期画面"},
    {"S ／ Shift ＋ S", "相似の説明を 1 段階進める／戻す"},
    {"Ctrl ＋ S", "図を保存"},
    {"Ctrl ＋ P", "図を印刷"},
    {"Ctrl ＋ C", "画面をコピー"},
    {"F1", "この一覧（どのキーやクリックでも閉じる）"},
};

void Write(controls::Label& label, const char* caption, const controls::Font& font)
{
    label.Font = font;
    label.SetCaption(caption);
    label.ForeColor = Black;
    label.BackColor = PanelColor;
    label.Transparent = true;
    label.Visible = true;
}

bool Overlaps(float left, float top, float width, float height, const std::vector<controls::PixelRect>& keepout)
{
    return std::any_of(keepout.begin(), keepout.end(), [&](const controls::PixelRect& r) {
        return left < float(r.right) && float(r.left) < left + width && top < float(r.bottom)
            && float(r.top) < top + height;
    });
}

} // namespace

KeyHelp::KeyHelp()
{
    HideKeyHelp(*this);
}

void ShowKeyHelp(KeyHelp& help, const controls::Form& form, const std::vector<controls::PixelRect>& keepout,
                 const controls::Font& font, const controls::TextMetrics* metrics)
{
    Write(help.Title, "使えるキー", font);
    float keyWidth = 0;
    float actionWidth = 0;
    for (int i = 0; i < KeyHelp::Rows; ++i) {
        Write(help.Keys[std::size_t(i)], Entries[i].key, font);
        Write(help.Actions[std::size_t(i)], Entries[i].action, font);
        keyWidth = std::max(keyWidth, controls::MeasureText(metrics, font, Entries[i].key).Width);
        actionWidth = std::max(actionWidth, controls::MeasureText(metrics, font, Entries[i].action).Width);
    }
    const controls::TextSize title = controls::MeasureText(metrics, font, help.Title.Caption());
    const float row = title.Height + RowGap;
    const float texts = row * (KeyHelp::Rows + 1) + RowGap;
    const float pad = controls::RoomInsideCorners(texts);
    const float width = std::max(title.Width, keyWidth + ColumnGap + actionWidth) + 2 * pad;
    const float height = texts + 2 * pad;

    // In the middle; where the buttons lie there, beside them or below them.
    float right = 0;
    float bottom = 0;
    for (const controls::PixelRect& r : keepout) {
        right = std::max(right, float(r.right));
        bottom = std::max(bottom, float(r.bottom));
    }
    const float middleLeft = std::round((form.ScaleWidth - width) / 2);
    const float middleTop = std::round((form.ScaleHeight - height) / 2);
    const float places[][2] = {{middleLeft, middleTop}, {right + pad, middleTop}, {middleLeft, bottom + pad}};
    float left = middleLeft;
    float top = middleTop;
    for (const auto& place : places) {
        if (place[0] + width <= form.ScaleWidth && place[1] + height <= form.ScaleHeight
            && !Overlaps(place[0], place[1], width, height, keepout)) {
            left = place[0];
            top = place[1];
            break;
        }
    }

    help.Panel = controls::Shape{.Left = left, .Top = top, .Width = width, .Height = height,
                                 .BackColor = PanelColor, .BorderColor = PanelColor, .Visible = true};
    help.Title.Left = left + pad;
    help.Title.Top = top + pad;
    for (int i = 0; i < KeyHelp::Rows; ++i) {
        const float rowTop = top + pad + row * float(i + 1) + RowGap * 2;
        help.Keys[std::size_t(i)].Left = left + pad;
        help.Keys[std::size_t(i)].Top = rowTop;
        help.Actions[std::size_t(i)].Left = left + pad + keyWidth + ColumnGap;
        help.Actions[std::size_t(i)].Top = rowTop;
    }
    help.Shown = true;
}

void HideKeyHelp(KeyHelp& help)
{
    help.Shown = false;
    help.Panel.Visible = false;
    help.Title.Visible = false;
    for (controls::Label& label : help.Keys)
        label.Visible = false;
    for (controls::Label& label : help.Actions)
        label.Visible = false;
}

std::string SpokenKeyHelp(const KeyHelp& help)
{
    if (!help.Shown)
        return {};
    std::string spoken = help.Title.Caption() + "。";
    for (int i = 0; i < KeyHelp::Rows; ++i)
        spoken += help.Keys[std::size_t(i)].Caption() + "、" + help.Actions[std::size_t(i)].Caption() + "。";
    return spoken;
}

void AppendKeyHelpLayer(const KeyHelp& help, controls::Layer& layer)
{
    layer.push_back(&help.Panel);
    layer.push_back(&help.Title);
    for (std::size_t i = 0; i < help.Keys.size(); ++i) {
        layer.push_back(&help.Keys[i]);
        layer.push_back(&help.Actions[i]);
    }
}

} // namespace app

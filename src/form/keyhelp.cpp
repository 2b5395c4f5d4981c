#include "keyhelp.h"

#include "controls/form.h"
#include "controls/textmetrics.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace app {

namespace {

constexpr controls::Color PanelColor{0xF6F0EA}; // a pale blue grey
constexpr controls::Color Black{0x000000};
constexpr float RowGap = 3;
constexpr float ButtonMargin = 4; // kept free about the buttons
// Smaller type where the list fits nowhere at the buttons' own size: 14
// and 12 pixels, the panel's smallest too.
constexpr double SmallerSizes[] = {10.5, 9};

struct Entry {
    const char* key;
    const char* action;
    bool memo; // acts in memo mode too
};

// Every key the window takes: A's, the reset button's, the lesson's, the
// menu's, the worksheets', the copy and this list itself. The keys that move
// A do nothing in memo mode; the rest act in both.
constexpr Entry Entries[KeyHelp::Rows] = {
    {"← ／ →", "A を B ／ C の方へ 1° 動かす", false},
    {"Page Up ／ Down", "授業の外では ← ／ → と同じ", false},
    {"Shift ＋ 上のキー", "10° ずつ動かす", false},
    {"Home", "初期画面", true},
    {"F5 ／ Esc", "授業を始める／終える", true},
    {"S ／ Shift ＋ S", "授業を 1 段階進める／戻す", true},
    {"Page Down ／ Up", "授業中は 1 段階進める／戻す", true},
    {"右クリック／長押し", "メニューを開く", true},
    {"Ctrl ＋ S ／ P", "図を保存／印刷", true},
    {"Ctrl ＋ C", "画面をコピー", true},
    {"F1", "この一覧", true},
};

constexpr const char* Title = "使えるキー（キーかクリックで閉じる）";

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
        return left < float(r.right) + ButtonMargin && float(r.left) - ButtonMargin < left + width
            && top < float(r.bottom) + ButtonMargin && float(r.top) - ButtonMargin < top + height;
    });
}

// The list's size in one type size, and its columns.
struct Measures {
    float keyWidth = 0;
    float gap = 0;
    float row = 0;
    float pad = 0;
    float width = 0;
    float height = 0;
};

Measures Measure(const std::vector<const Entry*>& rows, const controls::Font& font,
                 const controls::TextMetrics* metrics)
{
    Measures m;
    float actionWidth = 0;
    for (const Entry* entry : rows) {
        m.keyWidth = std::max(m.keyWidth, controls::MeasureText(metrics, font, entry->key).Width);
        actionWidth = std::max(actionWidth, controls::MeasureText(metrics, font, entry->action).Width);
    }
    const controls::TextSize title = controls::MeasureText(metrics, font, Title);
    m.gap = std::round(float(font.PixelSize()) * 1.25f); // 20 pixels in the buttons' type
    m.row = title.Height + RowGap;
    const float texts = m.row * float(rows.size() + 1) + RowGap;
    m.pad = controls::RoomInsideCorners(texts);
    m.width = std::max(title.Width, m.keyWidth + m.gap + actionWidth) + 2 * m.pad;
    m.height = texts + 2 * m.pad;
    return m;
}

// Where a list of `m`'s size lies clear of the buttons and inside the client
// area, as near the middle as it can: the middle, or a corner beside and
// below the buttons. None where it fits nowhere.
std::optional<std::pair<float, float>> Place(const Measures& m, const controls::Form& form,
                                             const std::vector<controls::PixelRect>& keepout)
{
    const float middleLeft = std::round((form.ScaleWidth - m.width) / 2);
    const float middleTop = std::round((form.ScaleHeight - m.height) / 2);
    std::vector<float> lefts{middleLeft};
    std::vector<float> tops{middleTop};
    for (const controls::PixelRect& r : keepout) {
        lefts.push_back(float(r.right) + ButtonMargin);
        tops.push_back(float(r.bottom) + ButtonMargin);
    }
    std::optional<std::pair<float, float>> best;
    float nearest = 0;
    for (const float left : lefts) {
        for (const float top : tops) {
            const float distance = std::abs(left - middleLeft) + std::abs(top - middleTop);
            if (left < 0 || top < 0 || left + m.width > form.ScaleWidth || top + m.height > form.ScaleHeight
                || Overlaps(left, top, m.width, m.height, keepout) || (best && distance >= nearest))
                continue;
            best = {left, top};
            nearest = distance;
        }
    }
    return best;
}

} // namespace

KeyHelp::KeyHelp()
{
    HideKeyHelp(*this);
}

void ShowKeyHelp(KeyHelp& help, const controls::Form& form, const std::vector<controls::PixelRect>& keepout,
                 const controls::Font& font, const controls::TextMetrics* metrics, bool memo)
{
    std::vector<const Entry*> rows;
    for (const Entry& entry : Entries) {
        if (entry.memo || !memo)
            rows.push_back(&entry);
    }
    controls::Font shown = font;
    Measures m = Measure(rows, shown, metrics);
    std::optional<std::pair<float, float>> place = Place(m, form, keepout);
    for (const double points : SmallerSizes) {
        if (place || points >= font.Size)
            continue;
        shown.Size = points;
        m = Measure(rows, shown, metrics);
        place = Place(m, form, keepout);
    }
    // Too small a window for any of them: the smallest, from the middle,
    // its top left corner inside.
    const auto [left, top] = place.value_or(std::pair{std::max(0.0f, std::round((form.ScaleWidth - m.width) / 2)),
                                                      std::max(0.0f, std::round((form.ScaleHeight - m.height) / 2))});

    HideKeyHelp(help);
    help.Panel = controls::Shape{.Left = left, .Top = top, .Width = m.width, .Height = m.height,
                                 .BackColor = PanelColor, .BorderColor = PanelColor, .Visible = true};
    Write(help.Title, Title, shown);
    help.Title.Left = left + m.pad;
    help.Title.Top = top + m.pad;
    help.Count = int(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        controls::Label& key = help.Keys[i];
        controls::Label& action = help.Actions[i];
        Write(key, rows[i]->key, shown);
        Write(action, rows[i]->action, shown);
        const float rowTop = top + m.pad + m.row * float(i + 1) + RowGap * 2;
        key.Left = left + m.pad;
        key.Top = rowTop;
        action.Left = left + m.pad + m.keyWidth + m.gap;
        action.Top = rowTop;
    }
    help.Shown = true;
}

void HideKeyHelp(KeyHelp& help)
{
    help.Shown = false;
    help.Count = 0;
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
    for (std::size_t i = 0; i < std::size_t(help.Count); ++i)
        spoken += help.Keys[i].Caption() + "、" + help.Actions[i].Caption() + "。";
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

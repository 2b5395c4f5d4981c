#include "figure/movevertex.h"
#include "form/form1.h"
#include "form/handout.h"
#include "form/keycodes.h"

#include "support/recordingsurface.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

// The characters the page's font is cut down to, comment lines left out.
std::string PageCharacters()
{
    std::ifstream file(ALTITUDE_PAGE_CHARACTERS);
    std::string line;
    std::string characters;
    while (std::getline(file, line)) {
        if (!line.starts_with('#'))
            characters += line;
    }
    return characters;
}

std::string ReadFile(const char* path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The UTF-8 sequences of `text` that `characters` lacks.
std::string Missing(const std::string& text, const std::string& characters)
{
    std::string missing;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string one = text.substr(i, length);
        if (characters.find(one) == std::string::npos)
            missing += one;
        i += length;
    }
    return missing;
}

} // namespace

// A character the font lacks would be drawn in another face, and its label
// would no longer have the desktop's size.
TEST(PageFont, coversEveryCaptionTheWindowCanShow)
{
    const std::string characters = PageCharacters();
    ASSERT_FALSE(characters.empty());
    const app::Form1Controls c = app::DescribeForm1();
    for (const controls::ButtonControl* button :
         {static_cast<const controls::ButtonControl*>(&c.Command1), static_cast<const controls::ButtonControl*>(&c.Option1[0]),
          static_cast<const controls::ButtonControl*>(&c.Option1[1]), static_cast<const controls::ButtonControl*>(&c.Check1),
          static_cast<const controls::ButtonControl*>(&c.Check2), static_cast<const controls::ButtonControl*>(&c.Check3),
          static_cast<const controls::ButtonControl*>(&c.Check4)})
        EXPECT_EQ(Missing(button->Caption, characters), "") << button->Caption;
    for (const auto* labels : {&c.Label1, &c.Label3, &c.Label4})
        for (const controls::Label& label : *labels)
            EXPECT_EQ(Missing(label.Caption(), characters), "") << label.Caption();
    EXPECT_EQ(Missing(c.Label2.Caption(), characters), "");
    // What a read-out can show: a blank or a zero, digits, a full stop, "cm".
    EXPECT_EQ(Missing(" 0123456789.cm", characters), "");

    // The lesson's panel at every step, with and without a triangle, the
    // handout, and the list of keys.
    RecordingSurface surface;
    app::Form1 form(surface, nullptr);
    form.Form_Load();
    form.Form_Resize();
    form.Figure_KeyDown(app::vbKeyF1, 0);
    std::string shown = form.Controls().Help.Title.Caption();
    for (const auto* labels : {&form.Controls().Help.Keys, &form.Controls().Help.Actions})
        for (const controls::Label& label : *labels)
            shown += label.Caption();
    // The figure's menu, which the page sets in the same Gothic, off and on.
    for (const int step : {0, 1}) {
        form.SetLessonStep(step);
        for (const app::FigureMenuEntry& entry : app::FigureMenu(form.Controls()))
            shown += entry.Caption;
    }
    for (const std::int64_t angle : {30, 0}) {
        form.State().AngleA = angle;
        figure::MoveVertexA(form.State(), form.Figure());
        for (int step = 1; step <= 9; ++step) {
            form.SetLessonStep(step);
            for (const controls::Label& label : form.Controls().Lesson.Text)
                shown += label.Visible ? label.Caption() : "";
            // The step control's signs; the face has no 「✕」, which the
            // browser draws in a face of its own.
            const figure::LessonStepControl& steps = form.Controls().Lesson.Steps;
            shown += steps.Back.Caption + steps.Step.Caption + steps.Next.Caption;
        }
        // The handout's answer sheet, which has every text the handout has.
        const app::Handout answers = app::MakeHandout({angle, true, false}, nullptr);
        for (const controls::LayerItem& item : app::HandoutLayer(answers)) {
            if (const auto* label = std::get_if<const controls::Label*>(&item))
                shown += (*label)->Caption();
        }
    }
    EXPECT_EQ(Missing(shown, characters), "");
}

// The page's own texts (the save dialog's title, buttons and message) are
// set in the same Gothic: a character the font lacks would come from
// whatever face the machine has.
TEST(PageFont, coversThePagesOwnTexts)
{
    std::string page = ReadFile(ALTITUDE_PAGE_TEMPLATE);
    ASSERT_NE(page.find("<dialog"), std::string::npos);
    // Neither the licence in its comment nor the places the bundle fills
    // with the style and the scripts are text of the page.
    page = std::regex_replace(page, std::regex("<!--[\\s\\S]*?-->"), "");
    page = std::regex_replace(page, std::regex("@[A-Z_]+@"), "");
    // What the page says until it starts is in the browser's own font, as
    // the page's may be what fails.
    page = std::regex_replace(page, std::regex("<div id=\"status\"[\\s\\S]*?</div>"), "");
    std::string texts;
    const std::regex text(">([^<]*)<|data-[a-z-]+=\"([^\"]*)\"");
    for (auto match = std::sregex_iterator(page.begin(), page.end(), text); match != std::sregex_iterator(); ++match)
        texts += (*match)[1].str() + (*match)[2].str();
    std::erase_if(texts, [](char c) { return c == ' ' || c == '\n'; });
    EXPECT_NE(texts.find("図を保存"), std::string::npos);
    EXPECT_EQ(Missing(texts, PageCharacters()), "");
}

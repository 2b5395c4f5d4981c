#pragma once

#include "form/form1.h"

#include "support/recordingsurface.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

// Form1 after start-up and the first resize, as the window opens.
struct OpenedForm {
    OpenedForm()
    {
        form.Form_Load();
        form.Form_Resize();
    }

    void Drag(int button, float fromX, float fromY, std::initializer_list<std::pair<float, float>> path)
    {
        form.Form_MouseDown(button, 0, fromX, fromY);
        for (const auto& [x, y] : path)
            form.Form_MouseMove(button, 0, x, y);
        form.Form_MouseUp(button, 0, fromX, fromY); // where it ends plays no part
    }

    void ChooseMemo()
    {
        form.Controls().Option1[0].Value = false;
        form.Controls().Option1[1].Value = true;
        form.Option1_Click(1);
    }

    std::int64_t angle() const { return form.State().AngleA; }

    RecordingSurface surface;
    app::Form1 form{surface, nullptr};
};

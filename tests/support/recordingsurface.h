#pragma once

#include "controls/surface.h"

#include <vector>

// A drawing surface that remembers what was done to it.
class RecordingSurface final : public controls::Surface {
public:
    struct Segment {
        float x1, y1, x2, y2;
    };

    void Cls() override
    {
        ++clears;
        segments.clear();
    }
    void Line(float x1, float y1, float x2, float y2) override { segments.push_back({x1, y1, x2, y2}); }
    void Refresh() override { ++refreshes; }

    int clears = 0;
    int refreshes = 0;
    std::vector<Segment> segments; // drawn since the last Cls
};

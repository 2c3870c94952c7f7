// Helpers of the coordinate-plane tests: the plane's input cells in one call
// and the texts it draws through the platform's text operation.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/figures/figure_test_support.h"

namespace plane_test {

using figure_test::Fixture;

// The plane's ranges (in values), units, cell size, corner and grid switch.
struct PlaneCells {
    float xmin, xmax, ymin, ymax;
    float stepX = 1, stepY = 1;
    float cell = 50;
    float left = 0, top = 0;
    float lineColor = 1;
};

inline void SetPlane(Program& p, const PlaneCells& s) {
    p.GraphXMin = s.xmin;
    p.GraphXMax = s.xmax;
    p.GraphYMin = s.ymin;
    p.GraphYMax = s.ymax;
    p.GraphStepX = s.stepX;
    p.GraphStepY = s.stepY;
    p.CellSize = s.cell;
    p.GridOriginX = s.left;
    p.GridOriginY = s.top;
    p.LineColor = s.lineColor;
}

// The frame the graph routines read, as a plane leaves it: cell size,
// origin, top and bottom.
inline void SetFrame(Program& p, float cell, float originX, float originY, float top, float bottom) {
    p.CellSize = cell;
    p.OriginX = originX;
    p.OriginY = originY;
    p.GridTop = top;
    p.GridBottom = bottom;
}

// A "text" event: a text drawn by the platform's text operation.
struct Symbol {
    std::string text;
    float x, y;
    int color;
    std::string font;
    float size;
    bool bold, italic;
    float hscale, vscale;
};

// The non-empty texts drawn since the last ClearEvents, in order.
inline std::vector<Symbol> Symbols(Fixture& f) {
    std::vector<Symbol> out;
    for (const auto& e : testing_support::Visible(f.Events("text"))) {
        if (e["text"].get<std::string>().empty()) continue;
        out.push_back({e["text"].get<std::string>(), e["x"].get<float>(), e["y"].get<float>(), e["color"].get<int>(),
                       e["font"].get<std::string>(), e["size"].get<float>(), e["bold"].get<bool>(),
                       e["italic"].get<bool>(), e["hscale"].get<float>(), e["vscale"].get<float>()});
    }
    return out;
}

// An expected text at its top-left corner.
struct Placed {
    std::string text;
    float x, y;
};

inline void ExpectPlaced(const std::vector<Symbol>& got, const std::vector<Placed>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].text, want[i].text);
        EXPECT_FLOAT_EQ(got[i].x, want[i].x);
        EXPECT_FLOAT_EQ(got[i].y, want[i].y);
    }
}

// The dots a graph draws: every circle event since the last ClearEvents.
struct Dot {
    float x, y, r;
    int color, width;
    bool filled;
};

inline std::vector<Dot> GraphDots(Fixture& f) {
    std::vector<Dot> out;
    for (const auto& e : f.Events("circle"))
        out.push_back({e["x"].get<float>(), e["y"].get<float>(), e["r"].get<float>(), e["color"].get<int>(),
                       e["width"].get<int>(), e["filled"].get<bool>()});
    return out;
}

}  // namespace plane_test

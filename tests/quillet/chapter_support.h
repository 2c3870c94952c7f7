// Queries for the chapter-problem tests, on top of the Quillet fixture's: the
// circle operations with their pen width and fill, polylines, and the
// captions of the two problem menus.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "quillet/quillet_fixture.h"

namespace chapter_test {

using namespace quillet_test;

inline const std::string E = "{Enter}";
inline const std::string kWaitPrompt = "何かキーを押して下さい。";
inline const std::string kMainMenuHeading = "＜Quillet　メニュー＞";
inline const std::string kMenuA = "P184 章の問題A ①1,2　②3　③4　④5　⑤終了";
inline const std::string kMenuB = "P185 章の問題B ①　②2(1)　③2(2)　④終了";

// A circle event with everything the trace records of it: whole circle,
// arc, dot or sector, its pen width and its fill colour (-1: none).
struct CircleOp {
    double x, y, r, start, end;
    int color, width;
    bool filled;
    int fill;
};

inline std::vector<CircleOp> CircleOps(const std::vector<json>& events) {
    std::vector<CircleOp> out;
    for (const auto& e : Visible(events)) {
        if (e.value("op", "") != "circle") continue;
        out.push_back({e["x"].get<double>(), e["y"].get<double>(), e["r"].get<double>(), e["start"].get<double>(),
                       e["end"].get<double>(), e["color"].get<int>(), e["width"].get<int>(),
                       e["filled"].get<bool>(), e["fill"].is_null() ? -1 : e["fill"].get<int>()});
    }
    return out;
}

// The pen widths of the outline arcs (not whole circles), in drawing order.
inline std::vector<int> ArcWidths(const std::vector<json>& events) {
    std::vector<int> out;
    for (const CircleOp& c : CircleOps(events))
        if (!c.filled && !(c.start == 0 && c.end == 0)) out.push_back(c.width);
    return out;
}

// A point of an expected figure.
struct XY {
    double x, y;
};

// The polylines (outlines and filled polygons), in drawing order.
inline std::vector<json> Polylines(const std::vector<json>& events) { return Of(Visible(events), "polyline"); }

// Expects the polyline through `points` (within 0.1 px).
inline void ExpectPolyline(const json& got, const std::vector<XY>& points) {
    ASSERT_EQ(got["points"].size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE("corner " + std::to_string(i));
        EXPECT_NEAR(got["points"][i][0].get<double>(), points[i].x, 0.1);
        EXPECT_NEAR(got["points"][i][1].get<double>(), points[i].y, 0.1);
    }
}

}  // namespace chapter_test

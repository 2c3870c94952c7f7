// Queries for the chapter-problem tests, on top of the Quillet fixture's: the
// pen widths of the arcs, polylines, and the captions of the two problem
// menus.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "quillet/quillet_fixture.h"

namespace chapter_test {

using namespace quillet_test;

inline const std::string E = "{Enter}";
inline const std::string kMainMenuHeading = "＜Quillet　メニュー＞";
inline const std::string kMenuA = "P184 章の問題A ①1,2　②3　③4　④5　⑤終了";
inline const std::string kMenuB = "P185 章の問題B ①　②2(1)　③2(2)　④終了";

// The pen widths of the outline arcs (not whole circles), in drawing order.
inline std::vector<int> ArcWidths(const std::vector<json>& events) {
    std::vector<int> out;
    for (const Round& c : Arcs(Visible(events))) out.push_back(c.width);
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

// Queries for the chapter-problem tests: the arcs, circles and dots a problem
// draws, the texts it writes, and whole-program runs of the two lessons.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "quillet/quillet_fixture.h"

namespace chapter_test {

using nlohmann::json;
using namespace testing_support;

inline const std::string E = "{Enter}";
inline const std::string kWaitPrompt = "何かキーを押して下さい。";
inline const std::string kMenuA = "P184 章の問題A ①1,2　②3　③4　④5　⑤終了";
inline const std::string kMenuB = "P185 章の問題B ①　②2(1)　③2(2)　④終了";

// A circle event: whole circle, arc, dot or sector.
struct Round {
    double x, y, r, start, end;
    int color, width;
    bool filled;
    int fill;
};

inline std::vector<Round> Rounds(const std::vector<json>& events) {
    std::vector<Round> out;
    for (const auto& e : Visible(events)) {
        if (e.value("op", "") != "circle") continue;
        out.push_back({e["x"].get<double>(), e["y"].get<double>(), e["r"].get<double>(), e["start"].get<double>(),
                       e["end"].get<double>(), e["color"].get<int>(), e["width"].get<int>(),
                       e["filled"].get<bool>(), e["fill"].is_null() ? -1 : e["fill"].get<int>()});
    }
    return out;
}

// The outline arcs (not whole circles), in drawing order.
inline std::vector<Round> Arcs(const std::vector<json>& events) {
    std::vector<Round> out;
    for (const Round& c : Rounds(events))
        if (!c.filled && !(c.start == 0 && c.end == 0)) out.push_back(c);
    return out;
}

// The dots: filled discs of radius 6.
inline std::vector<Round> Dots(const std::vector<json>& events) {
    std::vector<Round> out;
    for (const Round& c : Rounds(events))
        if (c.filled && c.r == 6) out.push_back(c);
    return out;
}

// An expected arc: centre, radius, start and end fractions, colour.
struct ArcAt {
    double x, y, r, start, end;
    int color;
};

inline void ExpectArcs(const std::vector<Round>& got, const std::vector<ArcAt>& want, double px = 0.1,
                       double turn = 0.0002) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE("arc " + std::to_string(i + 1));
        EXPECT_NEAR(got[i].x, want[i].x, px);
        EXPECT_NEAR(got[i].y, want[i].y, px);
        EXPECT_NEAR(got[i].r, want[i].r, px);
        EXPECT_NEAR(got[i].start, want[i].start, turn);
        EXPECT_NEAR(got[i].end, want[i].end, turn);
        EXPECT_EQ(got[i].color, want[i].color);
    }
}

// True when the arc passes through (x, y): the point lies on its circle and
// its direction lies in the arc's span (clockwise as seen from start to end,
// across 1 to 0 when the end is the smaller).
inline bool ArcPasses(const Round& arc, double x, double y, double px = 0.5) {
    if (std::fabs(std::hypot(x - arc.x, y - arc.y) - arc.r) > px) return false;
    double f = std::atan2(y - arc.y, x - arc.x) / (2 * 3.14159265358979);
    if (f < 0) f += 1;
    double span = arc.end - arc.start;
    if (span < 0) span += 1;
    double at = f - arc.start;
    while (at < 0) at += 1;
    while (at >= 1) at -= 1;
    return at <= span;
}

// A text written with DrawMarkupText at (x, y) in `color`; kAnyPlace leaves
// a coordinate unchecked (a text going on where the last ended, a label that
// finds its own place, a text centred in a cell).
inline constexpr double kAnyPlace = -1e9;
struct TextAt {
    std::string text;
    double x, y;
    int color;
};

// The markup texts drawn (not empty), compared in order with `want`.
inline void ExpectTexts(const std::vector<json>& events, const std::vector<TextAt>& want) {
    std::vector<json> shown;
    for (const auto& r : MarkupRuns(events))
        if (!r.value("text", "").empty()) shown.push_back(r);
    ASSERT_EQ(shown.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(want[i].text);
        EXPECT_EQ(shown[i]["text"], want[i].text);
        if (want[i].x != kAnyPlace) {
            EXPECT_TRUE(Near(shown[i]["x"], want[i].x, 0.06)) << shown[i]["x"];
        }
        if (want[i].y != kAnyPlace) {
            EXPECT_TRUE(Near(shown[i]["y"], want[i].y, 0.06)) << shown[i]["y"];
        }
        EXPECT_EQ(shown[i]["color"].get<float>(), want[i].color);
    }
}

// Texts drawn by any text routine (markup or the bars' wide text).
inline int CountTexts(const std::vector<json>& events, const std::string& text) {
    int n = 0;
    for (const auto& e : Visible(events)) n += e.value("op", "") == "run" && e.value("text", "") == text;
    return n;
}

// Runs a problem on the fixture's keys; true when it came back (to its
// menu) without waiting for a further key.
inline bool RunsToItsEnd(QuilletFixture& f, void (*topic)(Quillet&)) {
    try {
        topic(f.prog);
    } catch (const ProgramExit&) {
        return false;
    }
    return true;
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

// The trace's last event: why the run ended.
inline std::string EndReason(const RunResult& r) {
    return r.events.empty() ? "" : r.events.back().value("reason", "");
}

}  // namespace chapter_test

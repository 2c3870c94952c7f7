// The fixture of Quillet's lesson tests: a started Quillet on a key script,
// and queries for the compass arcs, dots and texts a topic draws.
#pragma once

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lessons/quillet/quillet.h"
#include "support/support.h"
#include "support/trace_query.h"

struct QuilletFixture : testing_support::ProgramFixture<Quillet> {
    explicit QuilletFixture(const std::string& keys = "", bool trace = true)
        : ProgramFixture<Quillet>(quilletInfo, keys, trace) {}
};

namespace quillet_test {

using nlohmann::json;
using namespace testing_support;

// The key scripts joined (appended in place, which keeps GCC 12's string
// warnings quiet).
inline std::string Keys(std::initializer_list<std::string> parts) {
    std::string out;
    for (const auto& part : parts) out += part;
    return out;
}

// Runs `topic` on the fixture's keys. True when the topic came back to its
// menu before the keys ran out; false when it was still waiting for a key.
inline bool RunsToItsEnd(QuilletFixture& f, void (*topic)(Quillet&)) {
    try {
        topic(f.prog);
    } catch (const ProgramExit&) {
        return false;
    }
    return true;
}

// An arc, whole circle, dot or sector as the trace records it.
struct Round {
    double x, y, r, start, end;
    int color;
    bool filled;
};

inline Round RoundOf(const json& e) {
    return {e["x"].get<double>(), e["y"].get<double>(), e["r"].get<double>(), e["start"].get<double>(),
            e["end"].get<double>(), e["color"].get<int>(), e["filled"].get<bool>()};
}

// The arcs (outline, not whole circles), in drawing order.
inline std::vector<Round> Arcs(const std::vector<json>& events) {
    std::vector<Round> out;
    for (const auto& e : Of(events, "circle")) {
        const Round c = RoundOf(e);
        if (!c.filled && !(c.start == 0 && c.end == 0)) out.push_back(c);
    }
    return out;
}

// The whole outline circles, in drawing order.
inline std::vector<Round> Circles(const std::vector<json>& events) {
    std::vector<Round> out;
    for (const auto& e : Of(events, "circle")) {
        const Round c = RoundOf(e);
        if (!c.filled && c.start == 0 && c.end == 0) out.push_back(c);
    }
    return out;
}

// The dots (filled discs of radius 6), in drawing order.
inline std::vector<Round> Dots(const std::vector<json>& events) {
    std::vector<Round> out;
    for (const auto& e : Of(events, "circle")) {
        const Round c = RoundOf(e);
        if (c.filled && c.r == 6) out.push_back(c);
    }
    return out;
}

// An expected arc: centre, radius, start and end fractions, colour, and the
// tolerances of the pixel values and of the fractions.
struct ArcAt {
    double x, y, r, start, end;
    int color;
    double px = 0.06;
    double turn = 0.0002;
};

inline void ExpectArc(const Round& got, const ArcAt& want) {
    EXPECT_NEAR(got.x, want.x, want.px);
    EXPECT_NEAR(got.y, want.y, want.px);
    EXPECT_NEAR(got.r, want.r, want.px);
    EXPECT_NEAR(got.start, want.start, want.turn);
    EXPECT_NEAR(got.end, want.end, want.turn);
    EXPECT_EQ(got.color, want.color);
}

inline void ExpectArcs(const std::vector<Round>& got, const std::vector<ArcAt>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE("arc " + std::to_string(i));
        ExpectArc(got[i], want[i]);
    }
}

// True when the arc runs through the point (x, y): the point lies on its
// circle (within `px`) and its direction lies in the arc's span, which runs
// clockwise from start to end, across 1 to 0 when end is the smaller.
inline bool ArcPasses(const Round& arc, double x, double y, double px = 0.5) {
    const double d = std::hypot(x - arc.x, y - arc.y);
    if (std::fabs(d - arc.r) > px) return false;
    double f = std::atan2(y - arc.y, x - arc.x) / (2 * std::numbers::pi);   // clockwise as seen
    if (f < 0) f += 1;
    double span = arc.end - arc.start;
    if (span < 0) span += 1;
    double at = f - arc.start;
    while (at < 0) at += 1;
    while (at >= 1) at -= 1;
    return at <= span;
}

// A text drawn with DrawMarkupText at (x, y) in `color`; kAnyPlace leaves a
// coordinate unchecked (a text going on where the last ended, a label that
// finds its own place).
inline constexpr double kAnyPlace = -1e9;
struct TextAt {
    const char* text;
    double x, y;
    int color;
};

// The texts drawn with DrawMarkupText (not measured), in order, compared
// with `want`.
inline void ExpectTexts(const std::vector<json>& events, const std::vector<TextAt>& want) {
    const auto runs = MarkupRuns(events);
    std::vector<json> shown;
    for (const auto& r : runs)
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

}  // namespace quillet_test

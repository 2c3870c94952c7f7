// The fixture of Droveny's lesson tests: a started Droveny on a key script,
// and readers for the circles a construction draws.
#pragma once

#include <string>
#include <vector>

#include "lessons/droveny/droveny.h"
#include "support/support.h"
#include "support/trace_query.h"

struct DrovenyFixture : testing_support::ProgramFixture<Droveny> {
    explicit DrovenyFixture(const std::string& keys = "", bool trace = true)
        : ProgramFixture<Droveny>(drovenyInfo, keys, trace) {}
};

namespace droveny_test {

using nlohmann::json;

// An arc (unfilled circle) as a compass step draws it.
struct ArcAt {
    float x, y, r;
    int color;
    float start, end;
};

// The unfilled circles and arcs among `events`, in order.
inline std::vector<json> Arcs(const std::vector<json>& events) {
    std::vector<json> out;
    for (const auto& e : testing_support::Of(events, "circle"))
        if (!e["filled"].get<bool>()) out.push_back(e);
    return out;
}

// The point dots (filled discs of radius 6) among `events`, in order.
inline std::vector<json> Dots(const std::vector<json>& events) {
    std::vector<json> out;
    for (const auto& e : testing_support::Of(events, "circle"))
        if (e["filled"].get<bool>() && e["r"] == 6) out.push_back(e);
    return out;
}

inline bool IsDot(const json& e, double x, double y, int color) {
    using testing_support::Near;
    return e.value("op", "") == "circle" && e["filled"].get<bool>() && e["r"] == 6 && Near(e["x"], x, 0.01) &&
           Near(e["y"], y, 0.01) && e["color"] == color;
}

// The arcs drawn match `want` in order: centre, radius and colour exactly
// enough for pixels, fractions to `fractionTolerance` of a turn.
inline void ExpectArcs(const std::vector<json>& got, const std::vector<ArcAt>& want,
                       double fractionTolerance = 0.0006) {
    using testing_support::Near;
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE("arc " + std::to_string(i + 1));
        const json& e = got[i];
        EXPECT_TRUE(Near(e["x"], want[i].x, 0.01)) << e.dump();
        EXPECT_TRUE(Near(e["y"], want[i].y, 0.01)) << e.dump();
        EXPECT_TRUE(Near(e["r"], want[i].r, 0.05)) << e.dump();
        EXPECT_EQ(e["color"], want[i].color);
        EXPECT_TRUE(Near(e["start"], want[i].start, fractionTolerance)) << e.dump();
        EXPECT_TRUE(Near(e["end"], want[i].end, fractionTolerance)) << e.dump();
    }
}

// A text drawn by the markup renderer at (x, y) in `color`.
struct TextAt {
    const char* text;
    float x, y;
    int color;
};

inline void ExpectTexts(const std::vector<json>& events, const std::vector<TextAt>& texts) {
    using testing_support::FindRun;
    using testing_support::Near;
    for (const TextAt& t : texts) {
        const json run = FindRun(events, t.text);
        ASSERT_FALSE(run.is_null()) << t.text;
        EXPECT_TRUE(Near(run["x"], t.x, 0.01)) << t.text << " x " << run["x"];
        EXPECT_TRUE(Near(run["y"], t.y, 0.01)) << t.text << " y " << run["y"];
        EXPECT_EQ(run["color"], t.color) << t.text;
    }
}

// Key waits of WaitForAnyKey: its prompt drawn.
inline int Pauses(const std::vector<json>& events) {
    int n = 0;
    for (const auto& e : testing_support::Of(events, "run"))
        n += e["routine"] == "DrawWideText" && e["text"] == "何かキーを押して下さい。";
    return n;
}

}  // namespace droveny_test
